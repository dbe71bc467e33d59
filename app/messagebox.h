#pragma once

class RuntimeError;

// How a run-time error reaches a person in the application: a warning box
// titled like the window, after which the calculator goes on.
void showErrorMessage(const RuntimeError &error);
