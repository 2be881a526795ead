#pragma once

#include <QObject>

class QKeyEvent;

namespace velmora {

/// Key filter and paste guard of the numeric edits (line edits and editable combo boxes).
/// Typed characters pass only when they are digits, backspace or a decimal separator ("," and "."
/// become the locale's); other characters are dropped. Releasing a key while Shift or Ctrl is held, or
/// releasing Insert, empties the edit (a combo box goes to its second entry) and clears the clipboard,
/// which keeps pasted text out of numeric fields.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Decimal,          ///< digits and a decimal separator
        DecimalWithMinus, ///< as Decimal, and "-"
        WholeNumber,      ///< digits only
    };

    explicit NumericKeyFilter(Mode mode, QObject* parent = nullptr);

    /// Installs the filter on `edit`; the filter is owned by the edit.
    static NumericKeyFilter* install(QObject* edit, Mode mode = Mode::Decimal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterTypedKey(QObject* watched, const QKeyEvent& key) const;
    static void guardPaste(QObject* watched, const QKeyEvent& key);

    Mode m_mode;
};

} // namespace velmora
