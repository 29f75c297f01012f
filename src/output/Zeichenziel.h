#pragma once

#include <QPainter>
#include <QPicture>
#include <memory>
#include <vector>

class QPagedPaintDevice;

// Where list pages are drawn: a printer, a PDF document, or pictures for the preview.
class TZeichenziel {
public:
    virtual ~TZeichenziel() = default;
    virtual QPainter& Maler() = 0;
    // Ends the current page and starts the next one.
    virtual void NeueSeite() = 0;
    // The preview draws from the content's origin, printer and PDF from the page margins.
    virtual bool Vorschau() const { return false; }
    // The face a list font is drawn with here.
    virtual QFont Zielschrift(const QFont& schrift) const { return schrift; }
};

// A printer or a PDF writer: a paged device with a painter open on it.
class TSeitenziel : public TZeichenziel {
public:
    explicit TSeitenziel(QPagedPaintDevice& geraet);
    QPainter& Maler() override { return M; }
    void NeueSeite() override;
    QFont Zielschrift(const QFont& schrift) const override;

private:
    QPagedPaintDevice& Geraet;
    QPainter M;
};

// Each page a vector picture of its own, so that zooming redraws without composing again.
class TBildziel : public TZeichenziel {
public:
    TBildziel();
    QPainter& Maler() override { return *M; }
    void NeueSeite() override;
    bool Vorschau() const override { return true; }
    // Ends the last page and hands over all pages.
    std::vector<QPicture> Seiten();

private:
    std::vector<QPicture> Fertig;
    std::unique_ptr<QPicture> Bild;
    std::unique_ptr<QPainter> M;
};
