#pragma once

#include <map>
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace velmora::test {

/// The letter after a single "&" of a caption, lower-cased; empty for a caption without one.
inline QString mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

/// Every Alt key of a dialog, with the captions that claim it: a letter claimed twice goes to one
/// control only.
inline std::map<QString, QStringList> mnemonicsOf(const QWidget& dialog) {
    std::map<QString, QStringList> claims;
    const auto claim = [&claims](const QString& caption) {
        if (const QString letter = mnemonicOf(caption); !letter.isEmpty())
            claims[letter] << caption;
    };
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy())
            claim(label->text());
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        claim(button->text());
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        claim(group->title());
    for (const QTabWidget* tabs : dialog.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            claim(tabs->tabText(i));
    return claims;
}

/// The letters of `dialog` that more than one caption claims, as "b: &Bearbeiter:, &Berechnen".
inline QStringList mnemonicClashes(const QWidget& dialog) {
    QStringList clashes;
    for (const auto& [letter, captions] : mnemonicsOf(dialog))
        if (captions.size() > 1)
            clashes << letter + QStringLiteral(": ") + captions.join(QStringLiteral(", "));
    return clashes;
}

} // namespace velmora::test
