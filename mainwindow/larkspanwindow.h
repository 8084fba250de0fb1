#pragma once

#include <QMainWindow>

// The program's one top-level window.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
};
