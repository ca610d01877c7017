#include "shell/ui/THelpForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
THelpForm* shared = nullptr;
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent), memo_(new QPlainTextEdit) {
    setObjectName("HelpForm");
    setWindowTitle("FlyKestrel Help");
    if (shared == nullptr)
        shared = this;

    auto* group = new QGroupBox("Help");
    group->setObjectName("GroupBox1");
    memo_->setObjectName("Memo1");
    memo_->setAccessibleName(QString::fromUtf8("Texte d'aide"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setMinimumSize(560, 420);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(memo_);

    auto* close = new QPushButton("Close");
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

void THelpForm::SetHelpText(const QString& text) {
    memo_->setPlainText(text);
}

QString THelpForm::HelpText() const {
    return memo_->toPlainText();
}
