#pragma once

#include <QWidget>

// Window "FCutLLInput" (to be completed).
class TFCutLLInput final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFCutLLInput)
public:
    explicit TFCutLLInput(QWidget* parent = nullptr);
};
