#pragma once

#include "ui/Befehlsgruppe.h"

#include <vector>

class TEingabe;
class TGespraech;
class TKind;
class TLehrer;
class TLehrerBefehle;

// Conversation requests under the selected child: typed Kürzel, deleting, the mark "child comes along",
// the class bulk add and the usage hint.
class TGespraechBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TGespraechBefehle(const TBefehlsumgebung& umgebung, TEingabe& eingabe, TLehrerBefehle& lehrerbefehle,
                      QObject* eltern);

    void Anschliessen(QAction* aktion, void (TGespraechBefehle::*handler)());

    // Context entries whose text and state follow the selection; set once the command table is built.
    QAction* KindLoeschen1 = nullptr;
    QAction* GesprLoeschen1 = nullptr;
    QAction* Loe41Ki = nullptr;
    QAction* AlleGLoe = nullptr;
    QAction* kindkommtmit1 = nullptr;
    QAction* KlasseHinzuL1 = nullptr;

    void BtnAddGClick();
    void GespraecheHinzufuegen(bool kindKommtMit);
    void SpBLoeGClick();
    void GesprLoeschen1Click();
    void Loe41KiClick();
    void AlleGLoeClick();
    void kindkommtmit1Click();
    void Klassenleitung1Click();
    void TipBtnClick();
    // The context menu of the tree is about to show.
    void KontextmenueVorbereiten();
    // The teacher context menu offers the selected teacher for the filtered class.
    void KlasseHinzuAnbieten();

Q_SIGNALS:
    // A request was marked "child comes along", newly made so or by the context entry.
    void KindKommtMitGesetzt();

private:
    void GespraechLoeschen(bool fragen);
    void AlleGespraecheLoeschen(std::vector<TGespraech*> gespraeche, TKind* auswahl);
    // The teacher of the context entry that adds requests for the filtered class, or null.
    TLehrer* KlassenLehrer() const;

    TEingabe& E;
    TLehrerBefehle& Lehrerbefehle;
};
