#pragma once

// Lets std::visit take one lambda per alternative of an outcome.
template <class... Ts> struct overloaded : Ts... {
    using Ts::operator()...;
};
