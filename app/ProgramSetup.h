#pragma once

class QApplication;

namespace velmora {

/// What the program sets up before any window exists: its name (which also names its configuration
/// folder), the icons, the German locale and Qt's German texts. No display name is set: the desktop
/// would append it to every caption, and the captions are the program's own texts.
void setUpProgram(QApplication& application);
/// The German locale the program's texts, dates and numbers follow.
void useProgramLocale();

} // namespace velmora
