#pragma once

// Prepares the process for the web engine before the application object exists: widgets
// share OpenGL contexts with the web view, and a process run as root renders without the
// engine's sandbox, which refuses to start as root. The preview only shows pages this
// program wrote.
void PrepareWebEngine();
