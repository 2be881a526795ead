#include "sheet/formula/Recalculation.h"

#include "sheet/formula/FormulaEvaluator.h"

#include <algorithm>
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
    QString formula;
    const FormulaNode* node; ///< nullptr for a formula that is not well formed
};

/// A range a formula reads.
struct FormulaRead {
    std::size_t reader;
    int sheet;
    CellRange range;
};

class WorkbookContext : public FormulaContext {
public:
    WorkbookContext(const Workbook& workbook, double now) : m_workbook(workbook), m_now(now) {
        for (int i = 0; i < workbook.sheetCount(); ++i)
            m_sheets.insert(workbook.sheet(i).name().toLower(), i);
        m_formulas.resize(std::size_t(workbook.sheetCount()));
    }

    const Workbook& workbook() const { return m_workbook; }
    int sheetCount() const { return int(m_formulas.size()); }
    void setNow(double now) { m_now = now; }

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

bool readsTheClock(const FormulaNode& node) {
    if (node.kind == FormulaNode::Kind::Call &&
        (node.function == FormulaFunction::Now || node.function == FormulaFunction::Today))
        return true;
    return std::any_of(node.children.begin(), node.children.end(), readsTheClock);
}

// Calls `visit` with the index of every formula of `formulas` inside `range`, whichever of the two is
// smaller deciding how to look.
void forEachFormulaIn(const std::map<CellPos, std::size_t>& formulas, const CellRange& range,
                      const std::function<void(std::size_t)>& visit) {
    if (std::size_t(range.rowCount()) > formulas.size()) {
        for (const auto& [pos, index] : formulas)
            if (range.contains(pos))
                visit(index);
        return;
    }
    for (int row = range.top; row <= range.bottom; ++row)
        for (auto it = formulas.lower_bound({row, range.left});
             it != formulas.end() && it->first.row == row && it->first.column <= range.right; ++it)
            visit(it->second);
}

} // namespace

double currentSerialTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    return double(days) + now.time().msecsSinceStartOfDay() / 86'400'000.0;
}

/// The formula cells of a workbook and who reads what, as a full run found them. Valid as long as no
/// formula, sheet or name of the workbook changes.
struct FormulaEngine::Graph {
    Graph(const Workbook& workbook, double now) : context(workbook, now) {}

    bool isOf(const Workbook& workbook) const {
        return &context.workbook() == &workbook && context.sheetCount() == workbook.sheetCount();
    }
    /// Whether the formulas inside `changed` are those the graph knows; adds them to `inside`.
    bool knowsFormulasIn(const ChangedCells& changed, std::vector<std::size_t>& inside) const;
    /// Computes the formulas marked in `due`, each after the due ones it reads. Those left over read
    /// themselves, directly or through others: they become "#REF!" and are returned.
    std::vector<bool> compute(std::vector<bool> due);
    /// Puts the results of the formulas marked in `shown` into their cells.
    void show(Workbook& workbook, const std::vector<bool>& shown) const;

    WorkbookContext context;
    std::vector<FormulaCell> cells;
    std::vector<std::vector<std::size_t>> readers; ///< for each formula, the formulas reading it
    std::vector<FormulaRead> reads;
    std::vector<std::size_t> clockReaders; ///< the formulas with NOW() or TODAY(), computed every run
    std::vector<bool> blocked;             ///< in or behind a circle: "#REF!" until the next full run
    bool overflowed = false;               ///< too many dependencies to follow: every formula "#REF!"
};

bool FormulaEngine::Graph::knowsFormulasIn(const ChangedCells& changed,
                                           std::vector<std::size_t>& inside) const {
    if (changed.sheet < 0 || changed.sheet >= context.sheetCount())
        return false;
    const auto& known = context.formulasOf(changed.sheet);
    bool same = true;
    std::size_t found = 0;
    context.workbook().sheet(changed.sheet).visitCellsIn(changed.range, [&](CellPos pos, const Cell& cell) {
        if (cell.formula.isEmpty())
            return;
        const auto it = known.find(pos);
        if (it == known.end() || cells[it->second].formula != cell.formula) {
            same = false;
            return;
        }
        inside.push_back(it->second);
        ++found;
    });
    std::size_t knownInside = 0;
    forEachFormulaIn(known, changed.range, [&](std::size_t) { ++knownInside; });
    return same && found == knownInside;
}

std::vector<bool> FormulaEngine::Graph::compute(std::vector<bool> due) {
    // Kahn's order over the due formulas: each waits for the due formulas it reads.
    std::vector<std::size_t> pending(cells.size(), 0);
    std::deque<std::size_t> ready;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (due[i])
            for (const std::size_t reader : readers[i])
                pending[reader] += due[reader] ? 1 : 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (due[i] && pending[i] == 0)
            ready.push_back(i);
    while (!ready.empty()) {
        const std::size_t i = ready.front();
        ready.pop_front();
        due[i] = false;
        context.setResult(i, cells[i].node ? evaluateFormula(*cells[i].node, cells[i].sheet, context)
                                           : FormulaValue::ofError(formulaError::name));
        for (const std::size_t reader : readers[i])
            if (due[reader] && --pending[reader] == 0)
                ready.push_back(reader);
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (due[i])
            context.setResult(i, FormulaValue::ofError(formulaError::reference));
    return due;
}

void FormulaEngine::Graph::show(Workbook& workbook, const std::vector<bool>& shown) const {
    const FormulaNode none;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!shown[i])
            continue;
        Sheet& sheet = workbook.sheet(cells[i].sheet);
        const CellPos pos = cells[i].pos;
        sheet.setFormula(pos, cells[i].formula,
                         shownText(context.result(i), sheet.style(pos).numberFormat,
                                   cells[i].node ? *cells[i].node : none));
    }
}

FormulaEngine::FormulaEngine() = default;
FormulaEngine::~FormulaEngine() = default;

const std::optional<FormulaNode>& FormulaEngine::parsed(const QString& formula) {
    auto it = m_parsed.find(formula);
    if (it == m_parsed.end())
        it = m_parsed.emplace(formula, parseFormula(QStringView(formula).mid(1))).first;
    return it->second;
}

std::unique_ptr<FormulaEngine::Graph> FormulaEngine::buildGraph(const Workbook& workbook, double now) {
    auto graph = std::make_unique<Graph>(workbook, now);
    WorkbookContext& context = graph->context;
    std::vector<FormulaCell>& cells = graph->cells;
    for (int sheet = 0; sheet < workbook.sheetCount(); ++sheet)
        for (const auto& [pos, cell] : workbook.sheet(sheet).cells())
            if (!cell.formula.isEmpty()) {
                const std::optional<FormulaNode>& node = parsed(cell.formula);
                context.addFormula(sheet, pos, cells.size());
                if (node && readsTheClock(*node))
                    graph->clockReaders.push_back(cells.size());
                cells.push_back({sheet, pos, cell.formula, node ? &*node : nullptr});
            }
    context.resizeResults(cells.size());

    graph->readers.resize(cells.size());
    std::size_t dependencies = 0;
    std::vector<std::pair<int, CellRange>> reads;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!cells[i].node)
            continue;
        reads.clear();
        collectReads(*cells[i].node, cells[i].sheet, context, reads);
        for (const auto& [sheet, range] : reads) {
            graph->reads.push_back({i, sheet, range});
            forEachFormulaIn(context.formulasOf(sheet), range, [&](std::size_t on) {
                graph->readers[on].push_back(i);
                ++dependencies;
            });
        }
        if (dependencies > maxDependencies) {
            graph->overflowed = true;
            break;
        }
    }
    return graph;
}

int FormulaEngine::recalculate(Workbook& workbook, double now) {
    // Formulas no longer in the workbook are forgotten now and then, never while a graph points into them.
    m_graph.reset();
    if (m_parsed.size() > 100'000)
        m_parsed.clear();
    m_graph = buildGraph(workbook, now);
    Graph& graph = *m_graph;
    const std::vector<bool> all(graph.cells.size(), true);
    graph.blocked = graph.overflowed ? all : graph.compute(all);
    graph.show(workbook, all);
    return int(graph.cells.size());
}

int FormulaEngine::recalculateChanged(Workbook& workbook, const std::vector<ChangedCells>& changed,
                                      double now) {
    if (!m_graph || m_graph->overflowed || !m_graph->isOf(workbook))
        return recalculate(workbook, now);
    Graph& graph = *m_graph;
    graph.context.setNow(now);
    std::vector<std::size_t> next = graph.clockReaders;
    for (const ChangedCells& cells : changed) {
        if (!graph.knowsFormulasIn(cells, next))
            return recalculate(workbook, now);
        for (const FormulaRead& read : graph.reads)
            if (read.sheet == cells.sheet && read.range.intersects(cells.range))
                next.push_back(read.reader);
    }
    // What reads a due formula is due too; a blocked one keeps its "#REF!" and blocks its readers.
    std::vector<bool> due(graph.cells.size(), false);
    while (!next.empty()) {
        const std::size_t i = next.back();
        next.pop_back();
        if (due[i] || graph.blocked[i])
            continue;
        due[i] = true;
        for (const std::size_t reader : graph.readers[i])
            if (!due[reader])
                next.push_back(reader);
    }
    graph.compute(due);
    graph.show(workbook, due);
    return int(graph.cells.size());
}

void recalculateWorkbook(Workbook& workbook) {
    FormulaEngine().recalculate(workbook);
}

} // namespace velmora::sheet
