#include "HilfeFenster.h"

#include "ui/Arbeitsflaeche.h"
#include "ui/Symbole.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Reads the pages, their style sheet and pictures out of the help collection.
class THilfeBrowser : public QTextBrowser {
public:
    THilfeBrowser(QHelpEngine& engine, QWidget* eltern)
        : QTextBrowser(eltern)
        , Engine(engine) {}

    QVariant loadResource(int art, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qthelp")) return Engine.fileData(name);
        return QTextBrowser::loadResource(art, name);
    }

private:
    QHelpEngine& Engine;
};

QToolButton* Knopf(const QString& text, const char* symbol, const QKeySequence& taste, QWidget* eltern) {
    auto* knopf = new QToolButton(eltern);
    knopf->setText(text);
    knopf->setIcon(Symbol(QLatin1String(symbol)));
    knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    knopf->setShortcut(taste);
    knopf->setAutoRaise(true);
    return knopf;
}
} // namespace

THilfeFenster::THilfeFenster(QHelpEngine& engine, const QUrl& startseite, QWidget* eltern)
    : QWidget(eltern, Qt::Window)
    , Reiter(new QTabWidget)
    , Inhalt(engine.contentWidget())
    , Stichwort(new QLineEdit)
    , Index(engine.indexWidget())
    , Suche(new QWidget)
    , Browser(new THilfeBrowser(engine, this))
    , Engine(engine)
    , Startseite(startseite) {
    setWindowTitle(QStringLiteral("VEL-Handbuch"));
    Anfangsgroesse(this, QSize(960, 700));

    auto* indexSeite = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexSeite);
    auto* stichwortLabel = new QLabel(QStringLiteral("&Stichwort:"));
    stichwortLabel->setBuddy(Stichwort);
    indexLayout->addWidget(stichwortLabel);
    indexLayout->addWidget(Stichwort);
    indexLayout->addWidget(Index);

    QHelpSearchEngine* suchmaschine = engine.searchEngine();
    auto* sucheLayout = new QVBoxLayout(Suche);
    sucheLayout->addWidget(suchmaschine->queryWidget());
    sucheLayout->addWidget(suchmaschine->resultWidget(), 1);

    Inhalt->setHeaderHidden(true);
    Reiter->addTab(Inhalt, QStringLiteral("&Inhalt"));
    Reiter->addTab(indexSeite, QStringLiteral("Inde&x"));
    Reiter->addTab(Suche, QStringLiteral("S&uche"));

    // The browser would hand a link to a page of the collection to the desktop, which knows no such pages.
    Browser->setOpenLinks(false);
    ZurueckBtn = Knopf(QStringLiteral("Zurück"), "go-previous", QKeySequence::Back, this);
    VorBtn = Knopf(QStringLiteral("Vor"), "go-next", QKeySequence::Forward, this);
    StartBtn = Knopf(QStringLiteral("Startseite"), "go-home", QKeySequence(), this);
    GroesserBtn = Knopf(QStringLiteral("Größer"), "zoom-in", QKeySequence::ZoomIn, this);
    KleinerBtn = Knopf(QStringLiteral("Kleiner"), "zoom-out", QKeySequence::ZoomOut, this);
    ZurueckBtn->setEnabled(false);
    VorBtn->setEnabled(false);
    auto* leiste = new QHBoxLayout;
    for (QToolButton* knopf : {ZurueckBtn, VorBtn, StartBtn})
        leiste->addWidget(knopf);
    leiste->addStretch();
    leiste->addWidget(KleinerBtn);
    leiste->addWidget(GroesserBtn);

    auto* rechts = new QWidget;
    auto* rechtsLayout = new QVBoxLayout(rechts);
    rechtsLayout->setContentsMargins(0, 0, 0, 0);
    rechtsLayout->addLayout(leiste);
    rechtsLayout->addWidget(Browser);

    auto* teiler = new QSplitter;
    teiler->addWidget(Reiter);
    teiler->addWidget(rechts);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({280, 680});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(teiler);

    connect(Inhalt, &QHelpContentWidget::linkActivated, this, &THilfeFenster::SeiteZeigen);
    // The entry a click or an arrow key makes current is the page to read, as in other help viewers.
    connect(Inhalt->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &THilfeFenster::EintragGewaehlt);
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, this, &THilfeFenster::InhaltGelesen);
    // On the index page typing goes to the keyword at once.
    connect(Reiter, &QTabWidget::currentChanged, this, [this, indexSeite] {
        if (Reiter->currentWidget() == indexSeite) Stichwort->setFocus();
    });
    connect(Stichwort, &QLineEdit::textChanged, this,
            [this](const QString& text) { Index->filterIndices(text); });
    connect(Stichwort, &QLineEdit::returnPressed, Index, &QHelpIndexWidget::activateCurrentItem);
    connect(Index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& seite) { SeiteZeigen(seite.url); });
    // Two pages under one keyword: the first is the one the keyword was written for.
    connect(Index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& seiten) {
        if (!seiten.isEmpty()) SeiteZeigen(seiten.constFirst().url);
    });
    connect(suchmaschine->queryWidget(), &QHelpSearchQueryWidget::search, this,
            [suchmaschine] { suchmaschine->search(suchmaschine->queryWidget()->searchInput()); });
    connect(suchmaschine->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &THilfeFenster::SeiteZeigen);
    connect(Browser, &QTextBrowser::anchorClicked, this, &THilfeFenster::SeiteZeigen);
    connect(Browser, &QTextBrowser::backwardAvailable, ZurueckBtn, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, VorBtn, &QToolButton::setEnabled);
    connect(ZurueckBtn, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(VorBtn, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(StartBtn, &QToolButton::clicked, this, [this] { SeiteZeigen(Startseite); });
    connect(GroesserBtn, &QToolButton::clicked, this, [this] { Zoomen(1); });
    connect(KleinerBtn, &QToolButton::clicked, this, [this] { Zoomen(-1); });
    // The browser tells the new page before source() returns it.
    connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& seite) {
        setWindowTitle(QStringLiteral("VEL-Handbuch: ") + Browser->documentTitle());
        InhaltAbgleichen(seite);
    });

    SeiteZeigen(Startseite);
    InhaltGelesen();
}

void THilfeFenster::SeiteZeigen(const QUrl& seite) {
    if (seite.scheme() != QLatin1String("qthelp")) {
        QDesktopServices::openUrl(seite);
        return;
    }
    if (Browser->source() == seite.adjusted(QUrl::RemoveFragment) && seite.hasFragment())
        Browser->scrollToAnchor(seite.fragment());
    else
        Browser->setSource(seite);
}

void THilfeFenster::InhaltZeigen() {
    Reiter->setCurrentWidget(Inhalt);
    Inhalt->setFocus();
}

void THilfeFenster::IndexZeigen() {
    Reiter->setCurrentWidget(Stichwort->parentWidget());
    Stichwort->setFocus();
    Stichwort->selectAll();
}

QUrl THilfeFenster::Seite() const {
    return Browser->source();
}

// The engine reads the contents in the background, maybe before this window exists.
void THilfeFenster::InhaltGelesen() {
    Inhalt->expandToDepth(0);
    InhaltAbgleichen(Browser->source());
}

// Chapters the user opened stay open: collapsing them would move the entries under the mouse.
void THilfeFenster::InhaltAbgleichen(const QUrl& seite) {
    const QModelIndex stelle = Inhalt->indexOf(seite);
    if (!stelle.isValid()) return;
    const QScopedValueRollback abgleich(Abgleich, true);
    Inhalt->setCurrentIndex(stelle);
    Inhalt->scrollTo(stelle);
}

// Marking the page shown must not open it a second time.
void THilfeFenster::EintragGewaehlt(const QModelIndex& eintrag) {
    if (Abgleich || !eintrag.isValid()) return;
    const QHelpContentItem* item = Engine.contentModel()->contentItemAt(eintrag);
    if (item && item->url() != Browser->source()) SeiteZeigen(item->url());
}

void THilfeFenster::Zoomen(int stufen) {
    // A step is a point of text size; below three steps down the pages become hard to read.
    const int neu = std::clamp(Zoomstufe + stufen, -3, 6);
    Browser->zoomIn(neu - Zoomstufe);
    Zoomstufe = neu;
    KleinerBtn->setEnabled(Zoomstufe > -3);
    GroesserBtn->setEnabled(Zoomstufe < 6);
}
