#include "designer/DesignerDialogs.h"

#include "designer/DocumentNames.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tabrix {

namespace {

class QtDialogs : public DesignerDialogs {
public:
    void tell(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, title(), text);
    }

    void about(QWidget* parent, const QString& text) override {
        QMessageBox::about(parent, QCoreApplication::translate("tabrix", "About Tabrix"), text);
    }

    Answer ask(QWidget* parent, const QString& text) override {
        switch (QMessageBox::question(parent, title(), text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    QString openPath(QWidget* parent, const QString& caption, const QString& filters) override {
        return QFileDialog::getOpenFileName(parent, caption, {}, filters);
    }

    std::optional<SaveChoice> savePath(QWidget* parent, const QString& proposal, int code) override {
        QStringList filters;
        QString chosen;
        for (const SaveFormat& format : saveFormats()) {
            filters << QCoreApplication::translate("tabrix", format.filter.toUtf8().constData());
            if (format.code == code)
                chosen = filters.constLast();
        }
        const QString path = QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("tabrix", "Save As"), proposal, filters.join(u";;"), &chosen);
        if (path.isEmpty())
            return std::nullopt;
        const qsizetype index = filters.indexOf(chosen);
        return SaveChoice{path, index >= 0 ? saveFormats()[std::size_t(index)].code : code};
    }

private:
    static QString title() { return QStringLiteral("Tabrix"); }
};

DesignerDialogs* current = nullptr;

} // namespace

DesignerDialogs& designerDialogs() {
    static QtDialogs qt;
    return current ? *current : qt;
}

void setDesignerDialogs(DesignerDialogs* dialogs) {
    current = dialogs;
}

} // namespace tabrix
