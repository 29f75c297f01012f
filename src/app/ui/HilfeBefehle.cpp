#include "HilfeBefehle.h"

#include "Hilfe.h"
#include "HilfeFenster.h"
#include "VelInfo.h"
#include "model/Meldung.h"
#include "settings/Schuldaten.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

THilfeBefehle::THilfeBefehle(const TBefehlsumgebung& umgebung, const QString& programmordner, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Programmordner(programmordner) {
    HilfekontextSetzen(U.Fenster, Hilfekontext::Hauptfenster);
    qApp->installEventFilter(this);
}

void THilfeBefehle::Anschliessen(QAction* aktion, void (THilfeBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Immer);
}

THilfe* THilfeBefehle::Handbuch() {
    if (!Hilfe || !Hilfe->Geoeffnet()) {
        delete Hilfe;
        Hilfe = new THilfe(HandbuchSuchen(Programmordner),
                           QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                               QStringLiteral("/handbuch"),
                           this);
    }
    if (Hilfe->Geoeffnet()) return Hilfe;
    U.Meldungen.Meldung(QStringLiteral("Das Handbuch von VEL ist nicht installiert."),
                        QStringLiteral("Hinweis"), MeldungsArt::Information);
    return nullptr;
}

void THilfeBefehle::DateiZeigen(const QString& datei, const QString& beschreibung) {
    if (!QFileInfo::exists(datei)) {
        U.Meldungen.Meldung(QStringLiteral("%1 %2 ist nicht installiert.").arg(beschreibung, datei),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(datei))) return;
    U.Meldungen.Meldung(
        QStringLiteral("%1 %2 kann auf diesem Rechner nicht angezeigt werden.").arg(beschreibung, datei),
        QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void THilfeBefehle::Inhalt1Click() {
    THilfe* hilfe = Handbuch();
    if (!hilfe) return;
    hilfe->Fenster()->InhaltZeigen();
    hilfe->Zeigen(U.Fenster);
}

void THilfeBefehle::Index1Click() {
    THilfe* hilfe = Handbuch();
    if (!hilfe) return;
    hilfe->Fenster()->IndexZeigen();
    hilfe->Zeigen(U.Fenster);
}

void THilfeBefehle::KontextZeigen() {
    QWidget* vorne = QApplication::activeModalWidget();
    if (!vorne) vorne = QApplication::activeWindow();
    QWidget* fokus = QApplication::focusWidget();
    // The focus counts only inside the window in front: a help button of a modal dialog has it.
    if (fokus && (!vorne || vorne->isAncestorOf(fokus))) vorne = fokus;
    KontextZeigen(vorne ? vorne : U.Fenster);
}

void THilfeBefehle::KontextZeigen(QWidget* von) {
    THilfe* hilfe = Handbuch();
    if (!hilfe) return;
    const QUrl seite = hilfe->Seite(HilfekontextVon(von).value_or(Hilfekontext::Hauptfenster));
    hilfe->Fenster()->SeiteZeigen(seite.isEmpty() ? hilfe->Startseite() : seite);
    hilfe->Zeigen(von);
}

bool THilfeBefehle::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType()) return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier) return false;
    auto* widget = static_cast<QWidget*>(objekt);
    // Within the handbook F1 has nothing more to show.
    if (qobject_cast<THilfeFenster*>(widget->window())) return true;
    KontextZeigen(widget);
    return true;
}

void THilfeBefehle::NeuindieserVersion1Click() {
    DateiZeigen(Programmordner + QStringLiteral("version.htm"), QStringLiteral("Die Seite"));
}

void THilfeBefehle::Info1Click() {
    TVelInfo info(SchuldatenLesen(U.Speicher), U.Fenster);
    info.exec();
}
