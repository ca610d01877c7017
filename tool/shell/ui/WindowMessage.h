#pragma once

#include <QEvent>

// The tool's private window messages, posted on the Qt event queue.
class WindowMessage final : public QEvent {
public:
    // Posted by the main window to itself: show the installer, then post StartInstall to it.
    static constexpr QEvent::Type ShowInstall = QEvent::Type(1125);
    // Posted to the installer; lParam points at the folder to take as source.
    static constexpr QEvent::Type StartInstall = QEvent::Type(1225);

    WindowMessage(QEvent::Type type, quintptr wParam, quintptr lParam) : QEvent(type), wParam(wParam), lParam(lParam) {}

    const quintptr wParam;
    const quintptr lParam;
};
