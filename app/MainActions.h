#pragma once

#include "app/CommandEnabling.h"

#include <QList>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;

namespace velmora {

/// Every command of the main window, created in one place with its German caption, key, status-bar text
/// and a stable object name; menus and the tool bar are built from them.
struct MainActions {
    // "&Datei"
    QAction* neu;
    QAction* oeffnen;
    QAction* schliessen;
    QAction* alleSchliessen;
    QAction* speichernUnter;
    QAction* drucken;
    QAction* importieren;
    QAction* beenden;
    // "&Projekt"
    QAction* projektverwaltung;
    QAction* alleDateienOeffnen;
    QAction* neuesProjekt;
    QAction* projektUmbenennen;
    QAction* projektLoeschen;
    QAction* dateiHinzufuegen;
    // "B&earbeiten"
    QAction* ausschneiden;
    QAction* kopieren;
    QAction* einfuegen;
    // "&Berechnen"
    QAction* mischwasser;
    QAction* temperatur;
    QAction* zugabe;
    QAction* korrosion;
    QAction* entsaeuerung;
    QAction* entcarbonisierung;
    QAction* schnellentcarbonisierung;
    QAction* hEntcarbonisierung;
    QAction* enthaertung;
    QAction* aktivkohlefilter;
    QAction* enteisenungsfilter;
    QAction* sandfilter;
    // "Graphik"
    QAction* grafikPh;
    QAction* grafikSi;
    // "E&xtras"
    QAction* optionen;
    QAction* desktopSpeichern;
    QAction* desktopLaden;
    QAction* formulardesigner;
    // "&Fenster"
    QAction* ueberlappend;
    QAction* horizontal;
    QAction* vertikal;
    QAction* alleVerkleinern;
    QAction* alleAnordnen;
    // "&Hilfe"
    QAction* hilfe;
    QAction* dokumentation;
    QAction* buch;
    QAction* info;
    // "&Ansicht", not in the menu bar: work through their keys
    QAction* explorerUmschalten;
    QAction* dateibrowserAktualisieren;
    // tool bar only
    QAction* explorerButton;

    /// The menus the main window listens to (their opening updates commands) and the recent-files list.
    QMenu* dateiMenu;
    QMenu* zuletztMenu;
    QMenu* projektMenu;
    QMenu* berechnenMenu;
    QMenu* extrasMenu;
    QMenu* fensterMenu;

    /// The action of a command whose state follows the active window.
    QAction* command(Command command) const;
    /// Sets the commands an event changes; the tool buttons follow their actions.
    void apply(const CommandChanges& changes) const;
};

/// Creates the actions as children of `owner`, fills `menuBar` and `toolBar` (the zoom box is inserted by
/// the caller before "&Hilfe", at the returned action).
MainActions createMainActions(QObject* owner, QMenuBar* menuBar, QToolBar* toolBar,
                              QAction** zoomBoxPosition);

} // namespace velmora
