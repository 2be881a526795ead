#pragma once

#include "app/Configuration.h"
#include "app/IniFile.h"
#include "ui_TOptionenF.h"

#include <QDialog>

namespace velmora {

/// The options dialog: the data and project directories and the notification-area setting.
class TOptionenF : public QDialog {
    Q_OBJECT
public:
    TOptionenF(Directories& directories, IniFile profile, QWidget* parent = nullptr);

    /// The show step: fills the fields from the current settings and remembers the project directory.
    void prepare(bool minimizeToTray);

Q_SIGNALS:
    void minimizeToTrayChanged(bool on);
    /// The data or project directory may have changed: dialogs, project list and file browser follow.
    void directoriesChanged();

public Q_SLOTS:
    void speichernClick();
    void done(int result) override;

private:
    void chooseDirectory(QLineEdit* field);
    void offerToMoveProjects();

    Ui::TOptionenF m_ui;
    Directories& m_directories;
    IniFile m_profile;
    QString m_rememberedProjects;
};

} // namespace velmora
