// One visitor for std::visit made of several lambdas, one per alternative.
#pragma once

namespace editor {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// Spelled out for compilers that do not yet deduce an aggregate's arguments.
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace editor
