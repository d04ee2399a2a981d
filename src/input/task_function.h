#pragma once

#include "exact/real.h"
#include "input/outcome.h"

#include <QtGlobal>

#include <cstddef>
#include <span>
#include <utility>

namespace detail {
template <class Result, class... Inputs> constexpr std::size_t inputCount(Result (*)(Inputs...))
{
    return sizeof...(Inputs);
}

template <auto task, std::size_t... i>
auto callWith(std::span<const Real> inputs, std::index_sequence<i...>)
{
    return task(inputs[i]...);
}
} // namespace detail

// Calls a task with the numbers read from its fields, in reading order, so one table can
// hold tasks of one, two and three inputs alike.
template <auto task> auto withInputs(std::span<const Real> inputs)
{
    constexpr std::size_t count = detail::inputCount(task);
    Q_ASSERT(inputs.size() == count);
    return detail::callWith<task>(inputs, std::make_index_sequence<count>{});
}

// A task as a table holds it: withInputs<circleAreaFromRadius>, say.
using TaskFunction = Outcome<Real> (*)(std::span<const Real>);
