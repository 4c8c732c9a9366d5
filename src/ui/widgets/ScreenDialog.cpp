#include "ui/widgets/ScreenDialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include <vector>

namespace ui {
namespace {

enum class Focus_Stop { None, Input, Button };

// Buttons and tab bars are for finishing or switching, not for typing into; a scroll area that
// only carries a form is no stop at all.
Focus_Stop focus_stop(const QWidget* widget) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(widget->window()) ||
        !widget->isEnabled() || qobject_cast<const QScrollArea*>(widget))
        return Focus_Stop::None;
    if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QTabBar*>(widget) ||
        qobject_cast<const QTabWidget*>(widget))
        return Focus_Stop::Button;
    return Focus_Stop::Input;
}

// One rule for every dialog: Tab visits the inputs first, in the order they were made, and the
// buttons last; the dialog opens with the first input focused (or the first button when it has no
// input). Widgets that cannot take the focus are left out, so no Tab lands on an invisible stop.
void order_focus(QDialog* dialog) {
    std::vector<QWidget*> inputs;
    std::vector<QWidget*> buttons;
    for (QWidget* widget = dialog->nextInFocusChain(); widget != dialog;
         widget = widget->nextInFocusChain()) {
        if (widget->window() != dialog)
            continue;
        const Focus_Stop stop = focus_stop(widget);
        if (stop == Focus_Stop::Input)
            inputs.push_back(widget);
        else if (stop == Focus_Stop::Button)
            buttons.push_back(widget);
        else if (qobject_cast<QScrollArea*>(widget))
            widget->setFocusPolicy(Qt::NoFocus);
    }
    inputs.insert(inputs.end(), buttons.begin(), buttons.end());
    for (std::size_t k = 1; k < inputs.size(); ++k)
        QWidget::setTabOrder(inputs[k - 1], inputs[k]);
    if (!inputs.empty())
        inputs.front()->setFocus(Qt::TabFocusReason);
}

bool inside_table(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (qobject_cast<const QTableView*>(widget))
            return true;
    return false;
}

} // namespace

void ScreenDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    QWidget* focused = focusWidget();
    if (!enter || !plain || inside_table(focused)) {
        QDialog::keyPressEvent(event);
        return;
    }
    QPushButton* target = qobject_cast<QPushButton*>(focused);
    for (QPushButton* button : findChildren<QPushButton*>("Btn_OK"))
        if (!target && button->window() == this)
            target = button;
    if (target && target->isVisible() && target->isEnabled())
        target->click();
}

void ScreenDialog::setSmallestFixedSize(int width, int height) {
    smallest_fixed_size_ = QSize(width, height);
    setFixedSize(smallest_fixed_size_);
    if (isVisible())
        fit_fixed_size();
}

bool ScreenDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // A caption changed (a text, the language): the layout has just learned what it needs. A hidden
    // dialog is fitted when it opens, so building the windows at start measures no caption.
    if (event->type() == QEvent::LayoutRequest && isVisible())
        fit_fixed_size();
    return handled;
}

void ScreenDialog::fit_fixed_size() {
    if (!smallest_fixed_size_.isValid() || !layout())
        return;
    const QSize fitted =
        smallest_fixed_size_.expandedTo(layout()->totalMinimumSize()).boundedTo(available_size());
    if (fitted != minimumSize() || fitted != maximumSize())
        setFixedSize(fitted);
}

// Never past the screen: what does not fit scrolls, wraps or is cut, but OK stays in reach.
QSize ScreenDialog::available_size() const {
    const QScreen* shown_on = screen();
    if (!shown_on)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return shown_on->availableGeometry().size() - (frameGeometry().size() - size());
}

void ScreenDialog::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    if (opening) {
        opened();
        fit_fixed_size();
        resize(size().boundedTo(available_size()));
    }
    QDialog::setVisible(visible);
    if (opening)
        order_focus(this);
}

} // namespace ui
