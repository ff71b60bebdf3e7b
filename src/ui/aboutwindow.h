#pragma once

#include <QWidget>

// The About window ("credits"): product, version, credit and notice. Modeless; created once,
// centred once and shown again as it was.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
};
