// The prompt for a person at the terminal: what waits for the next line, the open dialog's
// controls and their state.
#pragma once

struct HostWorld;

void ShowPrompt(HostWorld& world);
