#pragma once

// Installs the real message boxes behind Avisos: title "Zarcel v.3.0.2",
// exclamation icon, owned by the active window.
void instalarCuadrosDeDialogo();
