#include "QrCode.h"

#include <QPainter>
#include <QPainterPath>
#include <memory>
#include <qrencode.h>

TQrMatrix::TQrMatrix(int version, int seite, std::vector<bool> module)
    : Stufe(version)
    , Breite(seite)
    , Module(std::move(module)) {}

std::optional<TQrMatrix> QrKodieren(const QByteArray& text) {
    if (text.isEmpty()) return std::nullopt;
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> eingabe(QRinput_new2(0, QR_ECLEVEL_L),
                                                                    &QRinput_free);
    // Without the mark readers guess the character set of the bytes and take umlauts for Japanese.
    constexpr unsigned int Utf8 = 26;
    if (!eingabe || QRinput_appendECIheader(eingabe.get(), Utf8) != 0 ||
        QRinput_append(eingabe.get(), QR_MODE_8, static_cast<int>(text.size()),
                       reinterpret_cast<const unsigned char*>(text.constData())) != 0)
        return std::nullopt;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(eingabe.get()),
                                                               &QRcode_free);
    if (!code || code->version > QrHoechsteVersion) return std::nullopt;
    const int seite = code->width;
    std::vector<bool> module(static_cast<size_t>(seite) * static_cast<size_t>(seite));
    // The lowest bit of each byte tells a dark module; the others are the encoder's bookkeeping.
    for (size_t i = 0; i < module.size(); ++i)
        module[i] = (code->data[i] & 1) != 0;
    return TQrMatrix(code->version, seite, std::move(module));
}

void QrZeichnen(QPainter& maler, const TQrMatrix& matrix, QPoint ursprung, QSize modul) {
    QPainterPath flaeche;
    flaeche.setFillRule(Qt::WindingFill);
    for (int y = 0; y < matrix.Seite(); ++y)
        for (int x = 0; x < matrix.Seite();) {
            if (!matrix.Dunkel(x, y)) {
                ++x;
                continue;
            }
            const int anfang = x;
            while (x < matrix.Seite() && matrix.Dunkel(x, y))
                ++x;
            flaeche.addRect(ursprung.x() + anfang * modul.width(), ursprung.y() + y * modul.height(),
                            (x - anfang) * modul.width(), modul.height());
        }
    maler.save();
    // Module edges on whole pixels stay sharp; smoothing would only grey them.
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.fillPath(flaeche, Qt::black);
    maler.restore();
}
