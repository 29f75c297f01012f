#include "Hilfe.h"

#include "HilfeFenster.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QWidget>
#include <QWindow>

namespace {
constexpr char Sammlungsname[] = "vel-handbuch.qhc";

// The copy is renewed when the installed collection is newer, and its search index with it.
bool KopieAktuell(const QString& sammlung, const QString& kopie) {
    const QFileInfo k(kopie);
    return k.exists() && k.lastModified() >= QFileInfo(sammlung).lastModified();
}

// The collection names its documentation relative to itself, so both go to the copy. (The engine's own
// copy of a collection leaves the contents and the index it keeps behind.)
bool Kopieren(const QString& sammlung, const QString& arbeitsordner) {
    QDir(arbeitsordner).removeRecursively();
    if (!QDir().mkpath(arbeitsordner)) return false;
    const QFileInfo quelle(sammlung);
    for (const QString& name : {quelle.fileName(), quelle.completeBaseName() + QStringLiteral(".qch")}) {
        const QString kopie = arbeitsordner + u'/' + name;
        if (!QFile::copy(quelle.dir().filePath(name), kopie)) return false;
        QFile::setPermissions(kopie, QFile::permissions(kopie) | QFileDevice::WriteOwner);
    }
    return true;
}
} // namespace

QString HandbuchSuchen(const QString& programmordner) {
    for (const QString& ordner : {programmordner, programmordner + QStringLiteral("../share/vel/")}) {
        const QString datei = QDir::cleanPath(ordner + QLatin1String(Sammlungsname));
        if (QFileInfo::exists(datei)) return datei;
    }
    return {};
}

THilfe::THilfe(const QString& sammlung, const QString& arbeitsordner, QObject* eltern)
    : QObject(eltern) {
    if (sammlung.isEmpty()) return;
    const QString kopie = arbeitsordner + u'/' + QFileInfo(sammlung).fileName();
    if (!KopieAktuell(sammlung, kopie) && !Kopieren(sammlung, arbeitsordner)) return;
    auto engine = std::make_unique<QHelpEngine>(kopie);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) return;
    Namensraum = engine->registeredDocumentations().constFirst();
    Engine = std::move(engine);
}

THilfe::~THilfe() = default;

QUrl THilfe::Startseite() const {
    return QUrl(QStringLiteral("qthelp://%1/doc/index.html").arg(Namensraum));
}

QUrl THilfe::Seite(Hilfekontext kontext) const {
    if (!Engine) return {};
    const QList<QHelpLink> seiten = Engine->documentsForIdentifier(HilfekontextKennung(kontext));
    return seiten.isEmpty() ? QUrl() : seiten.constFirst().url;
}

THilfeFenster* THilfe::Fenster() {
    if (!HilfeFenster && Engine) {
        HilfeFenster = std::make_unique<THilfeFenster>(*Engine, Startseite());
        Engine->searchEngine()->scheduleIndexDocumentation();
    }
    return HilfeFenster.get();
}

void THilfe::Zeigen(QWidget* vorne) {
    THilfeFenster* fenster = Fenster();
    if (!fenster) return;
    Besitzer(vorne ? vorne->window() : nullptr);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

// A window that is transient for the modal dialog in front is not blocked by it; once the dialog
// hides, the help belongs to no window and stays open.
void THilfe::Besitzer(QWidget* fenster) {
    if (BesitzerFenster) BesitzerFenster->removeEventFilter(this);
    BesitzerFenster = fenster;
    HilfeFenster->winId();
    QWindow* eigenes = HilfeFenster->windowHandle();
    if (!fenster) {
        eigenes->setTransientParent(nullptr);
        return;
    }
    fenster->winId();
    eigenes->setTransientParent(fenster->windowHandle());
    fenster->installEventFilter(this);
}

bool THilfe::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == BesitzerFenster && ereignis->type() == QEvent::Hide) Besitzer(nullptr);
    return false;
}
