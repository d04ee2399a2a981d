#pragma once

// What makes every window of ours recognisably Corvale's: its name, the desktop file that
// groups its windows, and its icon on every title bar and task switcher.
void setUpProgramIdentity();
