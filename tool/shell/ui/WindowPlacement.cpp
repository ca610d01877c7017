#include "shell/ui/WindowPlacement.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int Gap = 12;

QRect FreeArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// The size the window has (or will have when it is shown).
QSize ShownSize(QWidget& window) {
    return window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
}

// The top left corner that centres a rectangle of size at centre, moved back onto area where needed.
QPoint CentredAt(QPoint centre, QSize size, const QRect& area) {
    QPoint corner(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
    if (area.isValid()) {
        corner.setX(
            std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        corner.setY(
            std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    return corner;
}

QPoint CentreOf(const QWidget* anchor, const QWidget& window) {
    if (anchor != nullptr && anchor->isVisible())
        return anchor->frameGeometry().center();
    return FreeArea(window).center();
}

// Places its window when that is first shown, then goes away.
class FirstShowPlacement final : public QObject {
  public:
    FirstShowPlacement(QWidget& window, const QWidget* anchor) : QObject(&window), anchor_(anchor) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        auto& window = static_cast<QWidget&>(*watched);
        // The show event comes before the window appears, so it appears in its place.
        if (!window.testAttribute(Qt::WA_Moved))
            window.move(CentredAt(CentreOf(anchor_, window), window.size(), FreeArea(window)));
        window.removeEventFilter(this);
        deleteLater();
        return false;
    }

  private:
    QPointer<const QWidget> anchor_;
};

} // namespace

void CentreOnFirstShow(QWidget& window, const QWidget* anchor) {
    new FirstShowPlacement(window, anchor);
}

void PlaceSideBySide(QWidget& left, QWidget& right, const QWidget& anchor) {
    const QRect area = FreeArea(anchor);
    QSize leftSize = ShownSize(left);
    QSize rightSize = ShownSize(right);
    if (area.isValid() && leftSize.width() + Gap + rightSize.width() > area.width()) {
        const int half = (area.width() - Gap) / 2;
        leftSize.setWidth(std::max(half, left.minimumSizeHint().width()));
        rightSize.setWidth(std::max(half, right.minimumSizeHint().width()));
        left.resize(leftSize);
        right.resize(rightSize);
    }
    const QSize pair(leftSize.width() + Gap + rightSize.width(),
                     std::max(leftSize.height(), rightSize.height()));
    const QPoint corner = CentredAt(CentreOf(&anchor, anchor), pair, area);
    left.move(corner);
    right.move(corner.x() + leftSize.width() + Gap, corner.y());
}
