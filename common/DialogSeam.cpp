#include "common/DialogSeam.h"

#include "common/FolderDialog.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>

namespace velmora {

namespace {

// The real dialogs of the desktop.
class QtDialogs : public DialogSeam {
public:
    Answer message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                   Buttons buttons) override {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        box.setIcon(icon == Icon::Information ? QMessageBox::Information
                    : icon == Icon::Warning   ? QMessageBox::Warning
                    : icon == Icon::Error     ? QMessageBox::Critical
                                              : QMessageBox::Question);
        switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    QStringList openFiles(QWidget* parent, const QString& caption, const QString& directory,
                          const QString& filters, QString* filter) override {
        return QFileDialog::getOpenFileNames(parent, caption, directory, filters, filter);
    }

    QString openFile(QWidget* parent, const QString& caption, const QString& directory,
                     const QString& filters) override {
        return QFileDialog::getOpenFileName(parent, caption, directory, filters);
    }

    QString saveFile(QWidget* parent, const QString& caption, const QString& proposal, const QString& filters,
                     QString* filter) override {
        return QFileDialog::getSaveFileName(parent, caption, proposal, filters, filter);
    }

    QString directory(QWidget* parent, const QString& caption, const QString& prompt,
                      const QString& start) override {
        FolderDialog dialog(parent, caption, prompt, start);
        return dialog.exec() == QDialog::Accepted ? dialog.chosenDirectory() : QString();
    }

    bool print(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    std::optional<QString> text(QWidget* parent, const QString& caption, const QString& label,
                                const QString& initial) override {
        bool ok = false;
        const QString value = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, initial, &ok);
        return ok ? std::optional<QString>(value) : std::nullopt;
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

DialogSeam* currentSeam = nullptr;

} // namespace

DialogSeam& dialogs() {
    static QtDialogs qtDialogs;
    return currentSeam ? *currentSeam : qtDialogs;
}

void setDialogs(DialogSeam* seam) {
    currentSeam = seam;
}

} // namespace velmora
