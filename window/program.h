#pragma once

namespace zuvo::window {

// The three programs share one window; their designs differ in the price inputs.
enum class Program { Tavrelo, Mordisk, Pellanor };

} // namespace zuvo::window
