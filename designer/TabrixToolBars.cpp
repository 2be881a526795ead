// The designer's three tool bars and their buttons.
#include "designer/DocumentWindow.h"
#include "designer/FormatCommands.h"
#include "designer/TabrixWindow.h"
#include "designer/ToolIcons.h"
#include "sheet/formula/Recalculation.h"
#include "sheet/model/Palette.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace tabrix {

using namespace velmora::sheet;

QAction* TabrixWindow::addTool(QToolBar* bar, ToolGlyph glyph, const QString& tip,
                               const BookCommand& command) {
    QAction* action = bar->addAction(toolIcon(glyph), tip);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    m_toolActions << action;
    return action;
}

// A button whose list drops down under it; what is chosen there is applied to the selection.
QToolButton* TabrixWindow::addListButton(QToolBar* bar, ToolGlyph glyph, const QString& tip, QMenu* list) {
    auto* button = new QToolButton(bar);
    button->setIcon(toolIcon(glyph));
    button->setToolTip(tip);
    button->setMenu(list);
    button->setPopupMode(QToolButton::InstantPopup);
    m_toolActions << bar->addWidget(button);
    return button;
}

QMenu* TabrixWindow::numberFormatList(NumberCategory category) {
    auto* list = new QMenu(this);
    // The samples are made when the list opens: the date and time list shows the moment it is opened.
    connect(list, &QMenu::aboutToShow, this, [this, list, category] {
        list->clear();
        for (const NumberFormatEntry& entry : numberFormatEntries(category, currentSerialTime(), QLocale()))
            connect(list->addAction(entry.sample), &QAction::triggered, this,
                    [this, code = entry.code] { runCommand(formatted(code)); });
    });
    return list;
}

void TabrixWindow::buildToolBars() {
    QToolBar* standard = addToolBar(tr("Standard"));
    standard->setObjectName(QStringLiteral("Standard"));
    QAction* newTool = standard->addAction(toolIcon(ToolGlyph::New), tr("New"));
    connect(newTool, &QAction::triggered, this, [this] { newDocument(); });
    QAction* openTool = standard->addAction(toolIcon(ToolGlyph::Open), tr("Open"));
    connect(openTool, &QAction::triggered, this, &TabrixWindow::askAndOpen);
    QAction* saveTool = standard->addAction(toolIcon(ToolGlyph::Save), tr("Save"));
    connect(saveTool, &QAction::triggered, this, &TabrixWindow::saveActive);
    m_toolActions << saveTool;
    standard->addSeparator();
    addTool(standard, ToolGlyph::Print, tr("Print"), [](SheetBook& book) { book.printBook(false); });
    addTool(standard, ToolGlyph::PrintPreview, tr("Print Preview"), &SheetBook::printPreview);
    standard->addSeparator();
    addTool(standard, ToolGlyph::Cut, tr("Cut"), &SheetBook::cutSelection);
    addTool(standard, ToolGlyph::Copy, tr("Copy"), &SheetBook::copySelection);
    addTool(standard, ToolGlyph::Paste, tr("Paste"), &SheetBook::pasteClipboard);
    m_formatPainter->setIcon(toolIcon(ToolGlyph::FormatPainter));
    standard->addAction(m_formatPainter);
    standard->addSeparator();

    QToolBar* formatting = addToolBar(tr("Formatting"));
    formatting->setObjectName(QStringLiteral("Formatting"));
    m_fontName = new QComboBox(formatting);
    m_fontName->setObjectName(QStringLiteral("fontName"));
    m_fontName->setEditable(true);
    m_fontName->lineEdit()->setMaxLength(31);
    m_fontName->addItems(fontEntries());
    m_fontName->setMinimumContentsLength(16);
    m_toolActions << formatting->addWidget(m_fontName);
    formatting->addSeparator();
    m_fontSize = new QComboBox(formatting);
    m_fontSize->setObjectName(QStringLiteral("fontSize"));
    m_fontSize->setEditable(true);
    m_fontSize->lineEdit()->setMaxLength(4);
    m_fontSize->addItems(fontSizeEntries());
    m_toolActions << formatting->addWidget(m_fontSize);
    // Chosen or typed (Enter): the selection gets it and the document the focus; a refused one beeps.
    const auto fontChosen = [this](void (*set)(SheetBook&, const QString&), QComboBox* box) {
        DocumentWindow* window = activeWindow();
        if (!window)
            return;
        try {
            set(window->book(), box->currentText());
        } catch (const SheetError&) {
            QApplication::beep();
        }
        window->setFocus();
        updateCommands();
    };
    connect(m_fontName, &QComboBox::activated, this,
            [this, fontChosen] { fontChosen(&setFontFamily, m_fontName); });
    connect(m_fontSize, &QComboBox::activated, this,
            [this, fontChosen] { fontChosen(&setFontSize, m_fontSize); });
    formatting->addSeparator();
    m_bold = addTool(formatting, ToolGlyph::Bold, tr("Bold"), toggled(&CellStyle::bold, tr("Bold")));
    m_italic =
        addTool(formatting, ToolGlyph::Italic, tr("Italic"), toggled(&CellStyle::italic, tr("Italic")));
    m_underline = addTool(formatting, ToolGlyph::Underline, tr("Underline"),
                          toggled(&CellStyle::underline, tr("Underline")));
    auto* colours = new QMenu(this);
    for (const NamedColour& colour : paletteColours) {
        QPixmap swatch(16, 12);
        swatch.fill(QColor::fromRgb(colour.rgb));
        connect(colours->addAction(QIcon(swatch), tr(colour.name)), &QAction::triggered, this,
                [this, rgb = colour.rgb] { runCommand(coloured(QColor::fromRgb(rgb))); });
    }
    addListButton(formatting, ToolGlyph::TextColour, tr("Text Color"), colours);
    formatting->addSeparator();
    m_alignLeft =
        addTool(formatting, ToolGlyph::AlignLeft, tr("Align Left"), aligned(HorizontalAlignment::Left));
    m_alignCentre =
        addTool(formatting, ToolGlyph::AlignCentre, tr("Center"), aligned(HorizontalAlignment::Centre));
    m_alignRight =
        addTool(formatting, ToolGlyph::AlignRight, tr("Align Right"), aligned(HorizontalAlignment::Right));
    m_mergeAndCentre = addTool(formatting, ToolGlyph::MergeAndCentre, tr("Merge and Center"), mergeAndCentre);
    formatting->addSeparator();
    for (const auto& [category, glyph, tip] :
         {std::tuple(NumberCategory::FixedAndGeneral, ToolGlyph::FixedAndGeneral, tr("Fixed and General")),
          std::tuple(NumberCategory::Currency, ToolGlyph::Currency, tr("Currency")),
          std::tuple(NumberCategory::Percent, ToolGlyph::Percent, tr("Percent")),
          std::tuple(NumberCategory::Fraction, ToolGlyph::Fraction, tr("Fraction")),
          std::tuple(NumberCategory::DateAndTime, ToolGlyph::DateAndTime, tr("Date and Time"))})
        addListButton(formatting, glyph, tip, numberFormatList(category));
    for (QAction* action : {m_bold, m_italic, m_underline, m_alignLeft, m_alignCentre, m_alignRight})
        action->setCheckable(true);

    QToolBar* drawingBar = addToolBar(tr("Drawing and Forms"));
    drawingBar->setObjectName(QStringLiteral("Drawing and Forms"));
    m_polygonPoints->setIcon(toolIcon(ToolGlyph::PolygonPoints));
    drawingBar->addAction(m_polygonPoints);
    drawingBar->addSeparator();
    const std::pair<int, ToolGlyph> tools[] = {
        {1, ToolGlyph::Line},     {2, ToolGlyph::Rectangle}, {3, ToolGlyph::Oval},
        {4, ToolGlyph::Arc},      {8, ToolGlyph::Polygon},   {7, ToolGlyph::Button},
        {9, ToolGlyph::CheckBox}, {10, ToolGlyph::ListBox},  {5, ToolGlyph::Chart}};
    for (const auto& [mode, glyph] : tools) {
        if (mode == 7)
            drawingBar->addSeparator();
        for (QAction* action : std::as_const(m_drawingModes))
            if (action->data().toInt() == mode) {
                action->setIcon(toolIcon(glyph));
                drawingBar->addAction(action);
            }
    }
    drawingBar->hide();
    QAction* showDrawing = drawingBar->toggleViewAction();
    showDrawing->setIcon(toolIcon(ToolGlyph::DrawingBar));
    standard->addAction(showDrawing);
    m_toolBarsMenu->addActions({standard->toggleViewAction(), formatting->toggleViewAction(), showDrawing});
}

} // namespace tabrix
