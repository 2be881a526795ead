#include "sheet/formula/Recalculation.h"

#include "sheet/formula/FormulaEvaluator.h"

#include <deque>
#include <QDateTime>

namespace velmora::sheet {

namespace {

/// Dependencies beyond this many are not followed: the formulas then show "#REF!" rather than the
/// recalculation taking unbounded memory.
constexpr std::size_t maxDependencies = 20'000'000;

struct FormulaCell {
    int sheet;
    CellPos pos;
    const FormulaNode* node; ///< nullptr for a formula that is not well formed
};

class WorkbookContext : public FormulaContext {
public:
    WorkbookContext(const Workbook& workbook, double now) : m_workbook(workbook), m_now(now) {
        for (int i = 0; i < workbook.sheetCount(); ++i)
            m_sheets.insert(workbook.sheet(i).name().toLower(), i);
        m_formulas.resize(std::size_t(workbook.sheetCount()));
    }

    void addFormula(int sheet, CellPos pos, std::size_t index) {
        m_formulas[std::size_t(sheet)].emplace(pos, index);
    }
    const std::map<CellPos, std::size_t>& formulasOf(int sheet) const {
        return m_formulas[std::size_t(sheet)];
    }
    void setResult(std::size_t index, FormulaValue value) { m_results[index] = std::move(value); }
    void resizeResults(std::size_t count) {
        m_results.assign(count, FormulaValue::ofError(formulaError::reference));
    }
    const FormulaValue& result(std::size_t index) const { return m_results[index]; }

    std::optional<int> sheetIndex(const QString& name) const override {
        const auto it = m_sheets.constFind(name.toLower());
        return it == m_sheets.constEnd() ? std::nullopt : std::optional<int>(*it);
    }

    FormulaValue cellValue(int sheet, CellPos pos) const override {
        const auto& formulas = m_formulas[std::size_t(sheet)];
        if (const auto it = formulas.find(pos); it != formulas.end())
            return m_results[it->second];
        return plainValue(m_workbook.sheet(sheet).text(pos));
    }

    void forEachValue(int sheet, const CellRange& range,
                      const std::function<void(const FormulaValue&)>& visit) const override {
        const auto& formulas = m_formulas[std::size_t(sheet)];
        m_workbook.sheet(sheet).visitCellsIn(range, [&](CellPos pos, const Cell& cell) {
            if (!cell.formula.isEmpty()) {
                if (const auto it = formulas.find(pos); it != formulas.end())
                    visit(m_results[it->second]);
            } else if (!cell.text.isEmpty()) {
                visit(plainValue(cell.text));
            }
        });
    }

    std::optional<std::pair<int, CellRange>> namedRange(const QString& name) const override {
        for (const auto& [defined, reference] : m_workbook.definedNames()) {
            if (defined.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            const auto target = splitSheetRange(reference);
            const std::optional<int> sheet = target ? sheetIndex(target->first) : std::nullopt;
            if (!sheet)
                return std::nullopt;
            return std::pair(*sheet, target->second);
        }
        return std::nullopt;
    }

    double now() const override { return m_now; }

private:
    static FormulaValue plainValue(const QString& text) {
        if (text.isEmpty())
            return {};
        if (const std::optional<double> number = cellNumber(text))
            return FormulaValue::ofNumber(*number);
        return FormulaValue::ofText(text);
    }

    const Workbook& m_workbook;
    double m_now;
    QHash<QString, int> m_sheets;
    std::vector<std::map<CellPos, std::size_t>> m_formulas;
    std::vector<FormulaValue> m_results;
};

// Every reference and name a formula reads, as sheet and range.
void collectReads(const FormulaNode& node, int sheet, const FormulaContext& context,
                  std::vector<std::pair<int, CellRange>>& reads) {
    if (node.kind == FormulaNode::Kind::Reference) {
        if (const auto target = resolveReference(node.reference, sheet, context))
            reads.push_back(*target);
    } else if (node.kind == FormulaNode::Kind::Name) {
        if (const auto target = context.namedRange(node.text))
            reads.push_back(*target);
    }
    for (const FormulaNode& child : node.children)
        collectReads(child, sheet, context, reads);
}

} // namespace

double currentSerialTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    return double(days) + now.time().msecsSinceStartOfDay() / 86'400'000.0;
}

const std::optional<FormulaNode>& FormulaEngine::parsed(const QString& formula) {
    auto it = m_parsed.find(formula);
    if (it == m_parsed.end())
        it = m_parsed.emplace(formula, parseFormula(QStringView(formula).mid(1))).first;
    return it->second;
}

int FormulaEngine::recalculate(Workbook& workbook, double now) {
    // Formulas no longer in the workbook are forgotten now and then, never while a run points into them.
    if (m_parsed.size() > 100'000)
        m_parsed.clear();
    WorkbookContext context(workbook, now);
    std::vector<FormulaCell> cells;
    for (int sheet = 0; sheet < workbook.sheetCount(); ++sheet)
        for (const auto& [pos, cell] : workbook.sheet(sheet).cells())
            if (!cell.formula.isEmpty()) {
                const std::optional<FormulaNode>& node = parsed(cell.formula);
                context.addFormula(sheet, pos, cells.size());
                cells.push_back({sheet, pos, node ? &*node : nullptr});
            }
    context.resizeResults(cells.size());

    // Each formula is computed after the formulas it reads (Kahn's order); those left over read themselves.
    std::vector<std::vector<std::size_t>> readers(cells.size());
    std::vector<std::size_t> pending(cells.size(), 0);
    std::size_t dependencies = 0;
    std::vector<std::pair<int, CellRange>> reads;
    for (std::size_t i = 0; i < cells.size() && dependencies <= maxDependencies; ++i) {
        if (!cells[i].node)
            continue;
        reads.clear();
        collectReads(*cells[i].node, cells[i].sheet, context, reads);
        for (const auto& [sheet, range] : reads) {
            const auto& formulas = context.formulasOf(sheet);
            const auto depend = [&](std::size_t on) {
                readers[on].push_back(i);
                ++pending[i];
                ++dependencies;
            };
            if (std::size_t(range.rowCount()) > formulas.size()) {
                for (const auto& [pos, index] : formulas)
                    if (range.contains(pos))
                        depend(index);
            } else {
                for (int row = range.top; row <= range.bottom; ++row)
                    for (auto it = formulas.lower_bound({row, range.left});
                         it != formulas.end() && it->first.row == row && it->first.column <= range.right;
                         ++it)
                        depend(it->second);
            }
        }
    }
    std::deque<std::size_t> ready;
    if (dependencies <= maxDependencies)
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (pending[i] == 0)
                ready.push_back(i);
    while (!ready.empty()) {
        const std::size_t i = ready.front();
        ready.pop_front();
        context.setResult(i, cells[i].node ? evaluateFormula(*cells[i].node, cells[i].sheet, context)
                                           : FormulaValue::ofError(formulaError::name));
        for (const std::size_t reader : readers[i])
            if (--pending[reader] == 0)
                ready.push_back(reader);
    }

    for (std::size_t i = 0; i < cells.size(); ++i) {
        Sheet& sheet = workbook.sheet(cells[i].sheet);
        const CellPos pos = cells[i].pos;
        const QString formula = sheet.formula(pos);
        const FormulaNode none;
        sheet.setFormula(pos, formula,
                         shownText(context.result(i), sheet.style(pos).numberFormat,
                                   cells[i].node ? *cells[i].node : none));
    }
    return int(cells.size());
}

void recalculateWorkbook(Workbook& workbook) {
    FormulaEngine().recalculate(workbook);
}

} // namespace velmora::sheet
