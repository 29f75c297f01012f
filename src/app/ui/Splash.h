#pragma once

#include <QWidget>

// The window shown while the program starts.
class TSplash2F : public QWidget {
    Q_OBJECT
public:
    explicit TSplash2F(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};
