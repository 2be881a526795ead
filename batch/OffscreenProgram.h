#pragma once

#include "app/IniFile.h"
#include "app/THauptfenster.h"
#include "batch/RecordingDialogs.h"
#include "engine/Engine.h"

#include <QApplication>
#include <QTemporaryDir>

namespace velmora {

/// The program as a run without a screen uses it: a main window over the program directory, with a
/// configuration of its own that ends with the run, and every box it shows recorded.
struct OffscreenProgram {
    OffscreenProgram()
        : window({QApplication::applicationDirPath() + u'/',
                  IniFile(config.filePath(QStringLiteral("velmora.ini"))),
                  IniFile(config.filePath(QStringLiteral("mru.ini"))),
                  config.filePath(QStringLiteral("desktop")), false, &engine}) {}

    QTemporaryDir config;
    EngineState engine;
    RecordingDialogs dialogs;
    THauptfenster window;
};

} // namespace velmora
