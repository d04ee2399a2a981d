#pragma once

// Lets std::visit take one lambda per alternative of an outcome.
template <class... Ts> struct overloaded : Ts... {
    using Ts::operator()...;
};

// Clang 14, used for the fuzz build, does not yet deduce aggregate template arguments itself.
template <class... Ts> overloaded(Ts...) -> overloaded<Ts...>;
