// SPDX-License-Identifier: MIT
#include "DialogChars.h"

#include "ErrorBox.h"
#include "MMBitmapRadioButton.h"
#include "MMObj.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <vector>

namespace brivmemo {

namespace {

bool sameLetter(QChar a, QChar b)
{
    return !a.isNull() && a.toUpper() == b.toUpper();
}

bool takesText(const QWidget &widget)
{
    return widget.testAttribute(Qt::WA_InputMethodEnabled)
        || qobject_cast<const QTextEdit *>(&widget) != nullptr
        || qobject_cast<const QPlainTextEdit *>(&widget) != nullptr;
}

bool isWindowless(const QWidget &widget)
{
    return qobject_cast<const TMMGraphicControl *>(&widget) != nullptr
        || qobject_cast<const QLabel *>(&widget) != nullptr;
}

// Whether Qt itself reacts to the letter on this widget.
bool hasQtMnemonic(const QWidget &widget, QChar character)
{
    if (!widget.isEnabled())
        return false;
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return sameLetter(acceleratorOf(button->text()), character);
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        return sameLetter(acceleratorOf(group->title()), character);
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->buddy() != nullptr && sameLetter(acceleratorOf(label->text()), character);
    return false;
}

enum class Claim { None, RadioButton, Qt };

struct Offer {
    Claim claim = Claim::None;
    TMMBitmapRadioButton *radioButton = nullptr;
};

Offer offerTo(QWidget &container, QChar character);

Offer offerToControl(QWidget &control, QChar character)
{
    if (auto *radio = qobject_cast<TMMBitmapRadioButton *>(&control)) {
        if (radio->isEnabled() && sameLetter(acceleratorOf(radio->Caption()), character))
            return {Claim::RadioButton, radio};
        return {};
    }
    if (hasQtMnemonic(control, character))
        return {Claim::Qt, nullptr};
    return offerTo(control, character);
}

Offer offerTo(QWidget &container, QChar character)
{
    std::vector<QWidget *> windowless;
    std::vector<QWidget *> others;
    for (QObject *child : container.children()) {
        auto *const widget = qobject_cast<QWidget *>(child);
        if (widget == nullptr || widget->isWindow() || widget->isHidden())
            continue;
        (isWindowless(*widget) ? windowless : others).push_back(widget);
    }
    for (const std::vector<QWidget *> *group : {&windowless, &others}) {
        for (QWidget *control : *group) {
            const Offer offer = offerToControl(*control, character);
            if (offer.claim != Claim::None)
                return offer;
        }
    }
    return {};
}

class DialogCharRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !watched->isWidgetType())
            return false;
        auto *const receiver = static_cast<QWidget *>(watched);
        QWidget *const window = receiver->window();
        const QWidget *const focus = window->focusWidget();
        auto *const key = static_cast<QKeyEvent *>(event);
        const QChar character = dialogCharOf(*key, focus != nullptr ? *focus : *window);
        if (character.isNull())
            return false;
        TMMBitmapRadioButton *const target = dialogCharTarget(*window, character);
        if (target == nullptr)
            return false;
        if (type == QEvent::ShortcutOverride)
            key->accept();
        else
            runGuarded([target, character] { target->DialogChar(character); });
        return true;
    }
};

} // namespace

QChar acceleratorOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1];
        ++i;
    }
    return {};
}

QString withoutAcceleratorMarks(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        shown.append(caption[i]);
    }
    return shown;
}

QChar dialogCharOf(const QKeyEvent &event, const QWidget &focusWidget)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool withAlt = modifiers == Qt::AltModifier;
    if (!withAlt && (modifiers != Qt::NoModifier || takesText(focusWidget)))
        return {};
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QChar(key);
    const QString text = event.text();
    if (text.size() == 1 && text[0].isPrint() && !text[0].isSpace())
        return text[0];
    return {};
}

TMMBitmapRadioButton *dialogCharTarget(QWidget &window, QChar character)
{
    return offerTo(window, character).radioButton;
}

void installDialogCharRouter()
{
    static QPointer<DialogCharRouter> router;
    if (!router.isNull() || QCoreApplication::instance() == nullptr)
        return;
    router = new DialogCharRouter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(router);
}

} // namespace brivmemo
