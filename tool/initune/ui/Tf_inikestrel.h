#pragma once

#include <QWidget>

// Window "*.INI kestrel" (to be completed).
class Tf_inikestrel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tf_inikestrel)
public:
    explicit Tf_inikestrel(QWidget* parent = nullptr);

    // The main window's "Modifie le FLY.INI": hides and disables the render.ini load button, loads
    // fly.ini, shows the window.
    void OpenFlyIni();
    // The main window's "Modifie le RENDER.INI": the same for render.ini.
    void OpenRenderIni();
};
