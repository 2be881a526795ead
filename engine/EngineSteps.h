#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

namespace velmora {

struct EngineState;
struct ResultArea;
struct SearchResult;
struct WaterState;

/// Where a run of the engine stands while it waits for a speciation: the water and the step that goes on
/// after it. A run that has none attached speciates in place and never waits.
struct SpeciationWait {
    WaterState* water = nullptr; ///< null: the run is not waiting (it has ended, or not begun)
    std::coroutine_handle<> step;
};

template <typename T>
class Steps;

namespace steps_detail {

struct PromiseBase {
    SpeciationWait* wait = nullptr; ///< the run's, handed on to every step it awaits
    std::coroutine_handle<> continuation;
    bool resumedByAwaiter = false; ///< the awaiting step is still inside its own co_await
    std::exception_ptr error;

    std::suspend_always initial_suspend() noexcept { return {}; }
    void rethrowError() const {
        if (error)
            std::rethrow_exception(error);
    }

    // A step that ends inside its awaiter's co_await returns there; one resumed by a run's driver goes on
    // with the step that awaited it.
    struct EndAwaiter {
        bool await_ready() noexcept { return false; }
        template <typename Promise>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> step) noexcept {
            const PromiseBase& p = step.promise();
            if (p.resumedByAwaiter || !p.continuation)
                return std::noop_coroutine();
            return p.continuation;
        }
        void await_resume() noexcept {}
    };
    EndAwaiter final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { error = std::current_exception(); }
};

template <typename T>
struct Promise : PromiseBase {
    std::optional<T> value;
    Steps<T> get_return_object();
    void return_value(T v) { value = std::move(v); }
    T take() {
        rethrowError();
        return std::move(*value);
    }
};

template <>
struct Promise<void> : PromiseBase {
    Steps<void> get_return_object();
    void return_void() {}
    void take() { rethrowError(); }
};

} // namespace steps_detail

/// A part of an engine run written as a coroutine, so that a run can pause where it needs a speciation
/// and one thread can speciate several waters at once (runEnginesInLockstep). It starts when awaited or
/// when runAlone() drives it.
template <typename T>
class [[nodiscard]] Steps {
public:
    using promise_type = steps_detail::Promise<T>;

    explicit Steps(std::coroutine_handle<promise_type> handle) : handle(handle) {}
    Steps(Steps&& other) noexcept : handle(std::exchange(other.handle, {})) {}
    Steps& operator=(Steps&&) = delete;
    ~Steps() {
        if (handle)
            handle.destroy();
    }

    /// Makes the run wait at each speciation instead of speciating in place.
    void attach(SpeciationWait& wait) { handle.promise().wait = &wait; }
    std::coroutine_handle<> start() const { return handle; }
    /// The value the ended run returned, or the exception that ended it, thrown.
    T result() { return handle.promise().take(); }

    struct Awaiter {
        std::coroutine_handle<promise_type> step;
        bool await_ready() const noexcept { return false; }
        template <typename Promise>
        bool await_suspend(std::coroutine_handle<Promise> awaiting) {
            promise_type& p = step.promise();
            p.wait = awaiting.promise().wait;
            p.continuation = awaiting;
            // Resumed by a call, not a transfer: a run that never waits stays as deep as its steps are
            // nested, also where the compiler makes no tail call.
            p.resumedByAwaiter = true;
            step.resume();
            p.resumedByAwaiter = false;
            return !step.done();
        }
        T await_resume() { return step.promise().take(); }
    };
    Awaiter operator co_await() && noexcept { return Awaiter{handle}; }

private:
    std::coroutine_handle<promise_type> handle;
};

template <typename T>
Steps<T> steps_detail::Promise<T>::get_return_object() {
    return Steps<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}

inline Steps<void> steps_detail::Promise<void>::get_return_object() {
    return Steps<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}

/// Awaited where a run needs the water speciated: speciates in place, or, when a driver is attached,
/// waits for it to do so.
class SpeciationStep {
public:
    explicit SpeciationStep(WaterState& water) : water(water) {}
    bool await_ready() const noexcept { return false; }
    template <typename Promise>
    bool await_suspend(std::coroutine_handle<Promise> step) {
        return waitOrSpeciate(step.promise().wait, step);
    }
    void await_resume() const {
        if (error)
            std::rethrow_exception(error);
    }

private:
    bool waitOrSpeciate(SpeciationWait* wait, std::coroutine_handle<> step);

    WaterState& water;
    std::exception_ptr error;
};

inline SpeciationStep speciation(WaterState& water) {
    return SpeciationStep(water);
}

/// Drives steps to their end on the calling thread, speciating in place, and returns their result.
template <typename T>
T runAlone(Steps<T> steps) {
    steps.start().resume();
    return steps.result();
}

// The engine's operations that speciate, as steps; runEngine() and solvePh() are these, run alone.

/// The method-specific part of an evaluation (methods 1 to 7 and 9): finds dic, mValue and the
/// quantities the method does not take. Throws EngineError for another method number.
Steps<SearchResult> solveMethodSteps(WaterState& water, int method);

/// solvePh() as steps.
Steps<SearchResult> solvePhSteps(WaterState& water);

/// The pH at which the water at tEval, with dic and the totals held, has the index siTarget: bisection
/// between pH 2 and 13 (tolerance 1e-8). mValue, alkPerDic and ohMinusH are not recomputed.
Steps<SearchResult> findSaturationPhSteps(WaterState& water);

/// Dissolves or precipitates calcite at tEval until |si| < 0.0004 (at most 160 steps) and saves the
/// result as slot 3. Afterwards the water holds the analysed totals again and caEq, dicEq, mValueEq
/// and pHEq the equilibrium values.
Steps<SearchResult> findCalciteEquilibriumSteps(WaterState& water, ResultArea& area);

/// runEngine() as steps.
Steps<SearchResult> runEngineSteps(EngineState& engine, int method);

} // namespace velmora
