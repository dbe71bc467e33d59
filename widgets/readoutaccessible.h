#pragma once

// Lets a screen reader read a readout box as it reads a read-only line edit:
// its text, the selection and the cursor. Installed once, by the first box.
void installReadoutAccessible();
