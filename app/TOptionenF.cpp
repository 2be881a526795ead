#include "app/TOptionenF.h"

#include "common/DialogSeam.h"
#include "common/SafeFile.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

QString withoutTrailingSlash(QString path) {
    path = path.trimmed();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

TOptionenF::TOptionenF(Directories& directories, IniFile profile, QWidget* parent)
    : QDialog(parent), m_directories(directories), m_profile(std::move(profile)) {
    m_ui.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(m_ui.speichern, &QPushButton::clicked, this, &TOptionenF::speichernClick);
    connect(m_ui.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui.datenverzeichnisWaehlen, &QPushButton::clicked, this,
            [this] { chooseDirectory(m_ui.datenverzeichnis); });
    connect(m_ui.projektverzeichnisWaehlen, &QPushButton::clicked, this,
            [this] { chooseDirectory(m_ui.projektverzeichnis); });
}

void TOptionenF::prepare(bool minimizeToTray) {
    m_ui.datenverzeichnis->setText(m_directories.data);
    m_ui.projektverzeichnis->setText(m_directories.projects);
    m_ui.minimizeToTray->setChecked(minimizeToTray);
    m_rememberedProjects = m_directories.projects;
    m_ui.datenverzeichnis->setFocus();
}

void TOptionenF::chooseDirectory(QLineEdit* field) {
    const QString current = field->text().trimmed();
    const QString chosen = dialogs().directory(this, QStringLiteral("Verzeichnis auswählen"),
                                               QStringLiteral("Bitte wählen Sie das gewünschte Verzeichnis"),
                                               QFileInfo(current).isDir() ? current : QString());
    if (!chosen.isEmpty())
        field->setText(chosen);
}

void TOptionenF::speichernClick() {
    const QString data = m_ui.datenverzeichnis->text().trimmed();
    if (!data.isEmpty() && !QFileInfo(data).isDir()) {
        dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"),
                          QStringLiteral("Bitte geben Sie ein gültiges Datenverzeichnis an!"));
        m_ui.datenverzeichnis->setFocus();
        return;
    }
    if (data.isEmpty())
        m_ui.datenverzeichnis->setText(m_directories.program);

    const QString section = QStringLiteral("Verzeichnisse");
    m_profile.write(section, QStringLiteral("Datenverzeichnis"), m_ui.datenverzeichnis->text().trimmed());
    m_profile.write(section, QStringLiteral("Projektverzeichnis"), m_ui.projektverzeichnis->text().trimmed());
    const bool tray = m_ui.minimizeToTray->isChecked();
    m_profile.write(QStringLiteral("System"), QStringLiteral("MinimizeToTray"),
                    tray ? QStringLiteral("1") : QStringLiteral("0"));
    Q_EMIT minimizeToTrayChanged(tray);

    m_directories.data = withoutTrailingSlash(m_ui.datenverzeichnis->text());
    m_directories.projects = withoutTrailingSlash(m_ui.projektverzeichnis->text());
    offerToMoveProjects();
    Q_EMIT directoriesChanged();
    accept();
}

void TOptionenF::offerToMoveProjects() {
    const QString target = m_directories.projects;
    if (target.isEmpty() || target == m_rememberedProjects)
        return;
    const QDir source(m_rememberedProjects);
    const QStringList projects = source.entryList({QStringLiteral("*.wpr")}, QDir::Files);
    if (projects.isEmpty())
        return;
    const auto answer =
        dialogs().message(this, DialogSeam::Icon::Confirmation, QStringLiteral("Velmora"),
                          QStringLiteral("Sie haben das Projektverzeichnis geändert.\r\nMöchten Sie die "
                                         "Projekt-Dateien aus dem bisherigen "
                                         "Projektverzeichnis in das neue Projektverzeichnis verschieben?"),
                          DialogSeam::Buttons::YesNo);
    if (answer != DialogSeam::Answer::Yes || !QFileInfo(target).isDir())
        return;
    for (const QString& project : projects) {
        const QString destination = QDir(target).filePath(project);
        if (QFileInfo::exists(destination)) {
            const auto overwrite =
                dialogs().message(this, DialogSeam::Icon::Confirmation, QStringLiteral("Velmora"),
                                  QStringLiteral("Die Datei \"%1\" ist im neuen Projektverzeichnis schon "
                                                 "vorhanden.\r\nSoll sie ersetzt werden?")
                                      .arg(destination),
                                  DialogSeam::Buttons::YesNo);
            if (overwrite != DialogSeam::Answer::Yes)
                continue;
        }
        // The file there is replaced only once the moved one has arrived whole.
        try {
            moveFileSafely(source.filePath(project), destination);
        } catch (const WriteError&) {
            dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"),
                              QStringLiteral("Die Datei \"%1\" konnte nicht verschoben werden.")
                                  .arg(source.filePath(project)));
        }
    }
}

void TOptionenF::done(int result) {
    if (!QFileInfo(withoutTrailingSlash(m_ui.projektverzeichnis->text())).isDir()) {
        m_directories.projects = m_rememberedProjects;
        Q_EMIT directoriesChanged();
    }
    QDialog::done(result);
}

} // namespace velmora
