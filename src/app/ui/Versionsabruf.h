#pragma once

#include "app/Updatepruefung.h"

#include <QObject>
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Asks the version script once, while the event loop goes on; Fertig tells the answer, with status 0
// when the server could not be reached or had not answered completely within the time limit.
class TVersionsabruf : public QObject {
    Q_OBJECT
public:
    explicit TVersionsabruf(QObject* eltern);

    void Starten(const QUrl& adresse, int zeitlimitMs);
    bool Laeuft() const { return !Antwort.isNull(); }

Q_SIGNALS:
    void Fertig(const TVersionsantwort& antwort);

private:
    void Angekommen();

    QNetworkAccessManager* Netz;
    QPointer<QNetworkReply> Antwort;
};
