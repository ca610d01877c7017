#pragma once

#include <QWidget>

// The main window (to be completed).
class TF_main final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_main)
public:
    explicit TF_main(QWidget* parent = nullptr);

private:
    // Page 3: profiles and the DLL folder copy (TF_mainProfiles.cpp).
    void ConnectProfileButtons();
    // Page 5: key and joystick sets (TF_mainControlFiles.cpp).
    void ConnectControlFilePage();
};
