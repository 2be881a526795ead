#include "app/MainActions.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace velmora {

namespace {

QAction* action(QObject* owner, const char* objectName, const QString& text, const QString& statusTip,
                const QKeySequence& key = {}) {
    auto* created = new QAction(text, owner);
    created->setObjectName(QString::fromLatin1(objectName));
    created->setStatusTip(statusTip);
    created->setToolTip(QString(text).remove(u'&'));
    if (!key.isEmpty())
        created->setShortcut(key);
    return created;
}

QString de(const char* text) {
    return QString::fromUtf8(text);
}

// The desktop theme's icon, or the widget style's own where the theme has none.
void setIcon(QAction* action, const char* themeName, QStyle::StandardPixmap fallback) {
    action->setIcon(
        QIcon::fromTheme(QString::fromLatin1(themeName), QApplication::style()->standardIcon(fallback)));
}

} // namespace

QAction* MainActions::command(Command command) const {
    const std::array<QAction*, commandCount> actions{
        schliessen, speichernUnter, drucken,      ausschneiden,      kopieren,  einfuegen, mischwasser,
        temperatur, zugabe,         entsaeuerung, entcarbonisierung, korrosion, grafikPh,  grafikSi};
    return actions[std::size_t(command)];
}

void MainActions::apply(const CommandChanges& changes) const {
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!changes[i])
            continue;
        QAction* action = command(Command(i));
        action->setEnabled(changes[i]->enabled);
        if (!changes[i]->text.isEmpty())
            action->setText(changes[i]->text);
        if (!changes[i]->statusTip.isEmpty())
            action->setStatusTip(changes[i]->statusTip);
    }
}

MainActions createMainActions(QObject* owner, QMenuBar* menuBar, QToolBar* toolBar,
                              QAction** zoomBoxPosition) {
    MainActions a{};
    a.neu = action(owner, "neu", de("&Neu..."), de("Neue Datei erstellen"), QKeySequence(de("Ctrl+N")));
    a.oeffnen =
        action(owner, "oeffnen", de("Ö&ffnen..."), de("Eine Datei öffnen"), QKeySequence(de("Ctrl+O")));
    a.schliessen = action(owner, "schliessen", de("S&chließen"), de("Aktuelle Datei schließen"),
                          QKeySequence(de("Ctrl+W")));
    a.alleSchliessen = action(owner, "alleSchliessen", de("Alle schließen"), de("Alle Dateien schließen"),
                              QKeySequence(de("Ctrl+Shift+W")));
    a.speichernUnter =
        action(owner, "speichernUnter", de("Speichern &unter..."),
               de("Eine Datei unter einem anderen Namen speichern"), QKeySequence(de("Ctrl+S")));
    a.drucken = action(owner, "drucken", de("&Drucken..."), de("Das aktive Fenster drucken"),
                       QKeySequence(de("Ctrl+P")));
    a.importieren = action(owner, "importieren", de("&Importieren"), de("Analysedaten importieren"),
                           QKeySequence(de("Ctrl+I")));
    a.beenden =
        action(owner, "beenden", de("&Beenden"), de("Das Programm beenden"), QKeySequence(de("Ctrl+Q")));

    a.projektverwaltung = action(owner, "projektverwaltung", de("Projekt&verwaltung"),
                                 de("Projekte verwalten"), QKeySequence(de("Ctrl+E")));
    a.alleDateienOeffnen =
        action(owner, "alleDateienOeffnen", de("alle Dateien öffnen"),
               de("alle im Projekt enthaltenen Dateien öffnen"), QKeySequence(de("Ctrl+A")));
    a.neuesProjekt = action(owner, "neuesProjekt", de("neues Projekt"), de("neues Projekt erstellen"),
                            QKeySequence(de("Ctrl+Shift+N")));
    a.projektUmbenennen = action(owner, "projektUmbenennen", de("Projekt umbenennen"),
                                 de("aktuelles Projekt umbenennen"), QKeySequence(de("F2")));
    a.projektLoeschen = action(owner, "projektLoeschen", de("Projekt löschen"),
                               de("aktuelles Projekt löschen"), QKeySequence(de("Ctrl+D")));
    a.dateiHinzufuegen =
        action(owner, "dateiHinzufuegen", de("aktuelle Datei dem Projekt hinzufügen"), QString());

    a.ausschneiden =
        action(owner, "ausschneiden", de("&Ausschneiden"),
               de("Das markierte Objekt in die Zwischenablage verschieben"), QKeySequence(de("Ctrl+X")));
    a.kopieren =
        action(owner, "kopieren", de("&Kopieren"), de("Das markierte Objekt in die Zwischenablage kopieren"),
               QKeySequence(de("Ctrl+C")));
    a.einfuegen = action(owner, "einfuegen", de("&Einfügen"), de("Den Inhalt der Zwischenablage einfügen"),
                         QKeySequence(de("Ctrl+V")));

    a.mischwasser = action(owner, "mischwasser", de("Mischwasserberechnung"), de("Mischwasserberechnung"));
    a.temperatur = action(owner, "temperatur", de("&Temperaturabhängigkeit"),
                          de("Berechnung der Temperaturabhängigkeit"));
    a.zugabe = action(owner, "zugabe", de("&Zugabe Säure/Lauge"), de("Zugabe Säure/Lauge"));
    a.korrosion =
        action(owner, "korrosion", de("&Korrosionsbetrachtung"), de("Korrosionsbetrachtung des Wassers"));
    a.entsaeuerung = action(owner, "entsaeuerung", de("&Entsäuerung"), de("Entsäuerung des Wassers"));
    a.entcarbonisierung =
        action(owner, "entcarbonisierung", de("Ent&carbonisierung"), de("Entcarbonisierung des Wassers"));
    a.schnellentcarbonisierung = action(owner, "schnellentcarbonisierung", de("&Schnellentcarbonisierung"),
                                        de("Schnellentcarbonisierung"));
    a.hEntcarbonisierung =
        action(owner, "hEntcarbonisierung", de("&H-Entcarbonisierung"), de("H-Entcarbonisierung"));
    a.enthaertung = action(owner, "enthaertung", de("&Enthärtung"), de("Enthärtung des Wassers"));
    a.aktivkohlefilter =
        action(owner, "aktivkohlefilter", de("&Aktivkohlefilter"), de("Berechnung von Aktivkohlefiltern"));
    a.enteisenungsfilter = action(owner, "enteisenungsfilter", de("&Enteisenungsfilter"),
                                  de("Berechnung von Enteisenungsfiltern"));
    a.sandfilter = action(owner, "sandfilter", de("&Sandfilter"), de("Berechnung von Sandfiltern"));

    a.grafikPh = action(owner, "grafikPh", de("pH"), de("pH bei tb/als Funktion von tb"));
    a.grafikSi = action(owner, "grafikSi", de("SI"), de("SI bei tb/als Funktion von tb"));

    a.optionen = action(owner, "optionen", de("Programm&optionen"),
                        de("Wichtige Parameter des Programmes einstellen"), QKeySequence(de("F9")));
    a.desktopSpeichern =
        action(owner, "desktopSpeichern", de("Desktop &speichern"), de("Programm-Desktop speichern"));
    a.desktopLaden = action(owner, "desktopLaden", de("Desktop &laden"), de("Programm-Desktop laden"));
    a.formulardesigner = action(owner, "formulardesigner", de("Formulardesigner aufrufen"), QString());

    a.ueberlappend = action(owner, "ueberlappend", de("Ü&berlappend"), de("Überlappend"));
    a.horizontal = action(owner, "horizontal", de("Hori&zontal anordnen"), de("Horizontal anordnen"));
    a.vertikal = action(owner, "vertikal", de("&Vertikal anordnen"), de("Vertikal anordnen"));
    a.alleVerkleinern = action(owner, "alleVerkleinern", de("&Alle verkleinern"), de("Alle verkleinern"));
    a.alleAnordnen = action(owner, "alleAnordnen", de("Alle an&ordnen"), de("Alle anordnen"));

    a.hilfe = action(owner, "hilfe", de("&Hilfe"), de("Hilfe zum Programm aufrufen"), QKeySequence(de("F1")));
    a.dokumentation =
        action(owner, "dokumentation", de("&Programmdokumentation"), de("Programmdokumentation aufrufen"));
    a.buch = action(owner, "buch", de("&Buch \"Wasseraufbereitung\""),
                    de("das Buch \"Wasseraufbereitung\" aufrufen"));
    a.info = action(owner, "info", de("&Info..."), QString());

    a.explorerUmschalten = action(owner, "explorerUmschalten", de("Projektexplorer umschalten"),
                                  de("ein-/ausblenden des Projektexplorers"), QKeySequence(de("F12")));
    a.dateibrowserAktualisieren = action(owner, "dateibrowserAktualisieren", de("Dateibrowser aktualisieren"),
                                         de("aktualisieren der Dateiansicht"), QKeySequence(de("F5")));
    a.explorerButton =
        action(owner, "explorerButton", de("Projekt-Explorer"), de("Projekt-Explorer umschalten"));
    a.explorerButton->setToolTip(de("Projekt-Explorer umschalten"));
    a.explorerButton->setCheckable(true);

    setIcon(a.neu, "document-new", QStyle::SP_FileIcon);
    setIcon(a.oeffnen, "document-open", QStyle::SP_DialogOpenButton);
    setIcon(a.speichernUnter, "document-save-as", QStyle::SP_DialogSaveButton);
    setIcon(a.drucken, "document-print", QStyle::SP_FileDialogDetailedView);
    setIcon(a.ausschneiden, "edit-cut", QStyle::SP_DialogDiscardButton);
    setIcon(a.kopieren, "edit-copy", QStyle::SP_FileDialogNewFolder);
    setIcon(a.einfuegen, "edit-paste", QStyle::SP_DialogApplyButton);
    setIcon(a.ueberlappend, "window-cascade", QStyle::SP_TitleBarNormalButton);
    setIcon(a.horizontal, "view-split-top-bottom", QStyle::SP_ToolBarVerticalExtensionButton);
    setIcon(a.vertikal, "view-split-left-right", QStyle::SP_ToolBarHorizontalExtensionButton);
    setIcon(a.hilfe, "help-contents", QStyle::SP_DialogHelpButton);
    setIcon(a.explorerButton, "view-sidebar", QStyle::SP_FileDialogListView);
    setIcon(a.beenden, "application-exit", QStyle::SP_DialogCloseButton);

    a.dateiMenu = menuBar->addMenu(de("&Datei"));
    a.dateiMenu->addActions({a.neu, a.oeffnen, a.schliessen, a.alleSchliessen, a.speichernUnter, a.drucken});
    a.dateiMenu->addSeparator();
    a.zuletztMenu = a.dateiMenu->addMenu(de("zuletzt geöffnete Dateien"));
    a.zuletztMenu->setObjectName(QStringLiteral("zuletzt"));
    a.dateiMenu->addSeparator();
    a.dateiMenu->addActions({a.importieren});
    a.dateiMenu->addSeparator();
    a.dateiMenu->addAction(a.beenden);

    a.projektMenu = menuBar->addMenu(de("&Projekt"));
    a.projektMenu->addAction(a.projektverwaltung);
    a.projektMenu->addSeparator();
    a.projektMenu->addActions(
        {a.alleDateienOeffnen, a.neuesProjekt, a.projektUmbenennen, a.projektLoeschen, a.dateiHinzufuegen});

    QMenu* bearbeiten = menuBar->addMenu(de("B&earbeiten"));
    bearbeiten->addActions({a.ausschneiden, a.kopieren, a.einfuegen});

    a.berechnenMenu = menuBar->addMenu(de("&Berechnen"));
    a.berechnenMenu->addActions({a.mischwasser, a.temperatur, a.zugabe, a.korrosion});
    QMenu* aufbereitung = a.berechnenMenu->addMenu(de("&Aufbereitung"));
    aufbereitung->addActions({a.entsaeuerung, a.entcarbonisierung, a.schnellentcarbonisierung});
    QMenu* ionenaustausch = aufbereitung->addMenu(de("&Ionenaustausch"));
    ionenaustausch->addActions({a.hEntcarbonisierung, a.enthaertung});
    QMenu* filter = aufbereitung->addMenu(de("&Filterdimensionierung"));
    filter->addActions({a.aktivkohlefilter, a.enteisenungsfilter, a.sandfilter});

    QMenu* graphik = menuBar->addMenu(de("Graphik"));
    graphik->addActions({a.grafikPh, a.grafikSi});

    a.extrasMenu = menuBar->addMenu(de("E&xtras"));
    a.extrasMenu->addActions({a.optionen, a.desktopSpeichern, a.desktopLaden, a.formulardesigner});

    a.fensterMenu = menuBar->addMenu(de("&Fenster"));
    a.fensterMenu->setObjectName(QStringLiteral("fenster"));

    QMenu* hilfeMenu = menuBar->addMenu(de("&Hilfe"));
    hilfeMenu->addActions({a.hilfe, a.dokumentation, a.buch});
    hilfeMenu->addSeparator();
    hilfeMenu->addAction(a.info);

    toolBar->addActions({a.neu, a.oeffnen, a.speichernUnter, a.drucken});
    toolBar->addSeparator();
    toolBar->addActions({a.ausschneiden, a.kopieren, a.einfuegen});
    toolBar->addSeparator();
    toolBar->addActions({a.ueberlappend, a.horizontal, a.vertikal});
    *zoomBoxPosition = a.hilfe;
    toolBar->addAction(a.hilfe);
    toolBar->addSeparator();
    toolBar->addAction(a.explorerButton);
    return a;
}

} // namespace velmora
