#pragma once
// The one place where the nine typology windows are made known to the selection panel and the
// description dialog: each window class is registered under its typology number.

// Registers the windows of typologies 1 to 9. Call it once, before any window is opened: a later
// call replaces the registrations and forgets the windows already made.
void RegistrarTipologias();
