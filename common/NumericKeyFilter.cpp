#include "common/NumericKeyFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace velmora {

namespace {

QLineEdit* lineEditOf(QObject* watched) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(watched))
        return combo->lineEdit();
    return nullptr;
}

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

} // namespace

NumericKeyFilter::NumericKeyFilter(Mode mode, QObject* parent) : QObject(parent), m_mode(mode) {}

NumericKeyFilter* NumericKeyFilter::install(QObject* edit, Mode mode) {
    auto* filter = new NumericKeyFilter(mode, edit);
    edit->installEventFilter(filter);
    return filter;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return filterTypedKey(watched, *static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease)
        guardPaste(watched, *static_cast<QKeyEvent*>(event));
    return false;
}

bool NumericKeyFilter::filterTypedKey(QObject* watched, const QKeyEvent& key) const {
    // Navigation, editing and shortcut keys carry no printable text and are left to the edit.
    const QString text = key.text();
    if (text.isEmpty() || !text[0].isPrint() || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QChar typed = text[0];
    if (typed >= u'0' && typed <= u'9')
        return false;
    if (m_mode == Mode::DecimalWithMinus && typed == u'-')
        return false;
    if (m_mode != Mode::WholeNumber && (typed == u',' || typed == u'.')) {
        const QString separator = QLocale().decimalPoint();
        if (typed == separator)
            return false;
        if (QLineEdit* edit = lineEditOf(watched))
            edit->insert(separator);
    }
    return true;
}

void NumericKeyFilter::guardPaste(QObject* watched, const QKeyEvent& key) {
    // Tab released with Shift held is the move to the previous field, not a paste; the modifier keys
    // themselves are released with their own flag still set.
    const int code = key.key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab || isModifierKey(code) || key.isAutoRepeat())
        return;
    const bool pasteChord = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (!pasteChord && code != Qt::Key_Insert)
        return;
    if (auto* combo = qobject_cast<QComboBox*>(watched))
        combo->setCurrentIndex(1);
    else if (auto* edit = qobject_cast<QLineEdit*>(watched))
        edit->clear();
    QApplication::clipboard()->clear();
}

} // namespace velmora
