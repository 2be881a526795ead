#include "batch/JobRunner.h"

#include "app/ProgramSetup.h"
#include "app/THauptfenster.h"
#include "batch/BatchCommand.h"
#include "batch/OffscreenProgram.h"
#include "common/DialogSeam.h"
#include "common/OrderedJson.h"
#include "windows/TMDIChild.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>
#include <QTreeWidget>

namespace velmora {

namespace {

// The dialogs a job can name, with the main window's command that shows each.
struct DialogCommand {
    const char16_t* dialog;
    QAction* MainActions::*command;
};

constexpr DialogCommand dialogCommands[] = {
    {u"TMischdaten", &MainActions::mischwasser},
    {u"TTemperaturdaten", &MainActions::temperatur},
    {u"TZugabeDaten", &MainActions::zugabe},
    {u"TKorrDaten", &MainActions::korrosion},
    {u"TEntsauDaten", &MainActions::entsaeuerung},
    {u"TEntcarDaten", &MainActions::entcarbonisierung},
    {u"TSchnellDaten", &MainActions::schnellentcarbonisierung},
    {u"THEntDaten", &MainActions::hEntcarbonisierung},
    {u"TEnthDaten", &MainActions::enthaertung},
    {u"TAktivKohle", &MainActions::aktivkohlefilter},
    {u"TFeMnForm", &MainActions::enteisenungsfilter},
    {u"TSandfilter", &MainActions::sandfilter},
};

QAction* commandOf(const MainActions& actions, const QString& dialog) {
    for (const DialogCommand& entry : dialogCommands)
        if (dialog == QStringView(entry.dialog))
            return actions.*entry.command;
    return nullptr;
}

// A job that cannot run as written.
struct UnusableJob {
    QString reason;
};

// Types `text` key by key into the emptied edit, so that its key filter and maximum length apply.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->clear();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
}

QString textOf(const JsonValue& value) {
    if (value.type == JsonValue::Type::Number)
        return QString::number(value.number, 'g', 15);
    return value.string;
}

// Sets one control as a user would, so that its own handlers run.
void setField(QDialog& dialog, const QString& name, const JsonValue& value) {
    QWidget* control = dialog.findChild<QWidget*>(name);
    if (!control)
        throw UnusableJob{QStringLiteral("Das Feld „%1“ gibt es im Dialog nicht.").arg(name)};
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        typeInto(edit, textOf(value));
    } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
        date->setDate(QDate::fromString(value.string, Qt::ISODate));
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        const int item = box->findText(value.string);
        if (item >= 0 && value.type == JsonValue::Type::String) {
            box->setCurrentIndex(item);
            Q_EMIT box->activated(item);
        } else if (box->isEditable()) {
            typeInto(box->lineEdit(), textOf(value));
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (button->isChecked() != value.boolean)
            button->click();
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        // A radio group takes the index of its item, clicked as a user clicks it.
        auto* item = group->findChild<QRadioButton*>(name + QStringLiteral("Item%1").arg(int(value.number)));
        if (!item)
            throw UnusableJob{
                QStringLiteral("Die Gruppe „%1“ hat kein Element %2.").arg(name).arg(value.number)};
        item->click();
    } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
        tabs->setCurrentIndex(int(value.number));
    } else if (auto* slider = qobject_cast<QSlider*>(control)) {
        slider->setValue(int(value.number));
    } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
        for (int row = 0; row < tree->topLevelItemCount() && std::size_t(row) < value.array.size(); ++row)
            tree->topLevelItem(row)->setText(0, textOf(value.array[std::size_t(row)]));
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        const QList<QListWidgetItem*> items = list->findItems(value.string, Qt::MatchExactly);
        if (items.isEmpty())
            throw UnusableJob{QStringLiteral("„%1“ steht nicht in der Liste „%2“.").arg(value.string, name)};
        list->setCurrentItem(items.front());
        Q_EMIT list->itemClicked(items.front());
    } else {
        throw UnusableJob{QStringLiteral("Das Feld „%1“ kann nicht gesetzt werden.").arg(name)};
    }
}

void setFields(QDialog& dialog, const JsonValue* fields) {
    if (!fields)
        return;
    if (fields->type != JsonValue::Type::Object)
        throw UnusableJob{QStringLiteral("„fields“ ist kein Objekt.")};
    for (const auto& [name, value] : fields->object)
        setField(dialog, name, value);
}

QDialog* dialogNamed(const THauptfenster& window, const QString& className) {
    for (QDialog* dialog : window.findChildren<QDialog*>())
        if (QString::fromLatin1(dialog->metaObject()->className()).endsWith(className))
            return dialog;
    return nullptr;
}

QStringList stringsOf(const JsonValue* value) {
    QStringList strings;
    if (value)
        for (const JsonValue& item : value->array)
            strings << item.string;
    return strings;
}

class JobSession {
public:
    explicit JobSession(const QString& directory) : m_directory(directory) {}

    // Runs one job; its line of output and its exit code.
    int run(const JsonValue& job, QTextStream& out) {
        m_dialogs.clear();
        for (const QString& answer : stringsOf(job.member(u"answers")))
            m_dialogs.answers.push_back(answer != u"no");
        for (const QString& input : stringsOf(job.member(u"inputs")))
            m_dialogs.inputs.push_back(input);

        for (const QString& file : stringsOf(job.member(u"windows"))) {
            // A file opened before is activated again, as for a user; one that cannot be read is told.
            const qsizetype before = m_dialogs.messages.size();
            const bool readable = QFileInfo(file).isFile();
            if (readable)
                m_window.OpenDataFile(QFileInfo(file).absoluteFilePath(), false);
            if (!readable || m_dialogs.messages.size() != before) {
                writeLine(out, nullptr, {}, nullptr); // the window's message, if it gave one
                throw UnusableJob{QStringLiteral("Die Datei „%1“ konnte nicht geöffnet werden.").arg(file)};
            }
        }
        const JsonValue* dialogName = job.member(u"dialog");
        QAction* command = dialogName ? commandOf(m_window.actions(), dialogName->string) : nullptr;
        if (!command)
            throw UnusableJob{
                QStringLiteral("Unbekannter Dialog „%1“.").arg(dialogName ? dialogName->string : QString())};
        command->trigger();
        QDialog* dialog = dialogNamed(m_window, dialogName->string);
        if (!dialog || !dialog->isVisible())
            throw UnusableJob{QStringLiteral("Der Dialog „%1“ wurde nicht gezeigt.").arg(dialogName->string)};
        if (const JsonValue* page = job.member(u"page"))
            if (auto* pages = dialog->findChild<QTabWidget*>())
                pages->setCurrentIndex(int(page->number));
        setFields(*dialog, job.member(u"fields"));

        TMDIChild* created = nullptr;
        const JsonValue* clicks = job.member(u"click");
        std::vector<JsonValue> defaultClicks(1);
        defaultClicks[0].type = JsonValue::Type::String;
        defaultClicks[0].string = QStringLiteral("ok");
        for (const JsonValue& click : clicks ? clicks->array : defaultClicks) {
            if (click.type == JsonValue::Type::Object) {
                setFields(*dialog, click.member(u"fields"));
                continue;
            }
            auto* button = dialog->findChild<QPushButton*>(click.string);
            if (!button)
                throw UnusableJob{
                    QStringLiteral("Die Schaltfläche „%1“ gibt es im Dialog nicht.").arg(click.string)};
            const QList<TMDIChild*> known = m_window.resultWindows();
            button->click();
            created = nullptr;
            for (TMDIChild* window : m_window.resultWindows())
                if (!known.contains(window))
                    created = window;
        }

        QString saved;
        if (created) {
            const JsonValue* save = job.member(u"save");
            const QString name = save ? save->string : created->caption();
            if (const std::optional<QString> path = created->SaveFile(QDir(m_directory).filePath(name)))
                saved = *path;
        }
        writeLine(out, created, saved, dialog);
        if (dialog->isVisible())
            dialog->reject();
        return created && !saved.isEmpty() ? batchOk : batchRowFailed;
    }

private:
    // The job's line of output: what came of it, and everything the user was told.
    void writeLine(QTextStream& out, const TMDIChild* created, const QString& saved,
                   const QDialog* dialog) const {
        QJsonObject result;
        result[QStringLiteral("window")] = created ? QJsonValue(created->KindName) : QJsonValue();
        result[QStringLiteral("title")] = created ? QJsonValue(created->caption()) : QJsonValue();
        result[QStringLiteral("file")] = saved.isEmpty() ? QJsonValue() : QJsonValue(saved);
        result[QStringLiteral("messages")] = m_dialogs.messages;
        result[QStringLiteral("inputBoxes")] = m_dialogs.inputBoxes;
        QJsonArray warnings;
        if (dialog)
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                if ((label->objectName().contains(QStringLiteral("Warn"), Qt::CaseInsensitive) ||
                     label->objectName() == u"Hinweis") &&
                    label->isVisible())
                    warnings.append(label->text());
        result[QStringLiteral("visibleWarnings")] = warnings;
        result[QStringLiteral("dialogOpen")] = dialog && dialog->isVisible();
        const QWidget* focus = dialog && dialog->isVisible() ? dialog->focusWidget() : nullptr;
        result[QStringLiteral("focus")] = focus ? QJsonValue(focus->objectName()) : QJsonValue();
        result[QStringLiteral("opened")] = m_dialogs.opened;
        result[QStringLiteral("locale")] = QLocale().name();
        out << QJsonDocument(result).toJson(QJsonDocument::Compact) << u'\n';
    }

    QString m_directory;
    OffscreenProgram m_program;
    RecordingDialogs& m_dialogs = m_program.dialogs;
    THauptfenster& m_window = m_program.window;
};

} // namespace

int runJobs(const QByteArray& jobText, const QString& directory, QTextStream& out, QTextStream& err) {
    // The dialogs run as in the program: its German locale makes the dates and numbers they write.
    useProgramLocale();
    QString error;
    const std::optional<JsonValue> parsed = parseOrderedJson(jobText, error);
    if (!parsed || (parsed->type != JsonValue::Type::Object && parsed->type != JsonValue::Type::Array)) {
        err << (parsed ? QStringLiteral("Ein Auftrag ist ein JSON-Objekt oder ein Array davon.") : error)
            << u'\n';
        return batchUnusable;
    }
    const std::vector<JsonValue> jobs =
        parsed->type == JsonValue::Type::Array ? parsed->array : std::vector<JsonValue>(1, *parsed);
    JobSession session(directory);
    int code = batchRowFailed;
    for (const JsonValue& job : jobs) {
        try {
            code = session.run(job, out);
        } catch (const UnusableJob& unusable) {
            err << unusable.reason << u'\n';
            return batchUnusable;
        }
    }
    return code;
}

} // namespace velmora
