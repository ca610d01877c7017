#include "shell/ui/THelpForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {
THelpForm* shared = nullptr;
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent), memo_(new QPlainTextEdit) {
    setObjectName("HelpForm");
    setWindowTitle(tr("FlyKestrel Help"));
    if (shared == nullptr)
        shared = this;

    auto* group = new QGroupBox(tr("Help"));
    group->setObjectName("GroupBox1");
    memo_->setObjectName("Memo1");
    memo_->setAccessibleName(tr("Texte d'aide"));
    memo_->setReadOnly(true);
    // Lines wrap to the window, so only the vertical bar is ever needed.
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setMinimumSize(560, 420);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(memo_);

    auto* close = new QPushButton(tr("Close"));
    close->setObjectName("BitBtn1");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

THelpForm::~THelpForm() {
    if (shared == this)
        shared = nullptr;
}

THelpForm* THelpForm::Shared() {
    return shared;
}

// A size the user gave the window is kept while the text stays the same.
void THelpForm::SetHelpText(const QString& text) {
    if (text == memo_->toPlainText())
        return;
    memo_->setPlainText(text);
    FitToText(text);
}

// Help texts come with their own line breaks: the window is made large enough for the whole text, as far
// as the screen allows, so that the wrapping only cuts lines in a window made narrower.
void THelpForm::FitToText(const QString& text) {
    const QStringList lines = text.split('\n');
    int longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, memo_->fontMetrics().horizontalAdvance(line));
    const int border = 2 * int(memo_->document()->documentMargin()) + 2 * memo_->frameWidth() + 8;
    const QSize memo(longest + border + memo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                     int(lines.size()) * memo_->fontMetrics().lineSpacing() + border);
    const QSize around = minimumSizeHint() - memo_->minimumSize();
    QSize wanted = (memo + around).expandedTo(minimumSizeHint());
    if (const QScreen* shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

QString THelpForm::HelpText() const {
    return memo_->toPlainText();
}
