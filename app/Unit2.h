#pragma once
// The about box.
#include <QDialog>

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

public slots:
    void SpeedButton1Click(); // "&Ok" closes the box
};
