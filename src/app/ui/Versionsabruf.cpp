#include "Versionsabruf.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

// The system's proxy, except for this machine's own addresses, which no proxy can reach.
QNetworkProxy Vermittler(const QUrl& adresse) {
    if (adresse.host() == u"localhost" || QHostAddress(adresse.host()).isLoopback())
        return QNetworkProxy::NoProxy;
    return QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(adresse)).value(0);
}

} // namespace

TVersionsabruf::TVersionsabruf(QObject* eltern)
    : QObject(eltern)
    , Netz(new QNetworkAccessManager(this)) {}

void TVersionsabruf::Starten(const QUrl& adresse, int zeitlimitMs) {
    if (Laeuft()) return;
    QNetworkRequest anfrage(adresse);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("InetURL:/1.0"));
    // Always the server's own answer, never a copy kept on the way.
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    anfrage.setRawHeader("Cache-Control", "no-cache");
    Netz->setProxy(Vermittler(adresse));
    Antwort = Netz->get(anfrage);
    connect(Antwort, &QNetworkReply::finished, this, &TVersionsabruf::Angekommen);
    // A limit on the whole exchange: a server that answers slowly or never ends like one that is down.
    QTimer::singleShot(zeitlimitMs, Antwort.data(), &QNetworkReply::abort);
}

void TVersionsabruf::Angekommen() {
    QNetworkReply* antwort = Antwort;
    Antwort.clear();
    antwort->deleteLater();
    TVersionsantwort ergebnis;
    if (antwort->error() != QNetworkReply::OperationCanceledError) {
        ergebnis.Status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        ergebnis.Inhalt = antwort->readAll();
    }
    Q_EMIT Fertig(ergebnis);
}
