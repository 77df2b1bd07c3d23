#pragma once

// The process's QCoreApplication, made at the first call, for the sides that need an event
// loop but no window.
void EnsureCoreApplication();
