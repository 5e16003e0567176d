#pragma once

#include "gateways/canal_tcp.h"

#include <QtGlobal>

// The network library's one entry point: a connection on Qt's TCP socket. The program
// finds it by name (abrirCanalTcp); tests and tools that link the library call it.
extern "C" Q_DECL_EXPORT Pasarelas::CanalTcp *zarcelCrearCanalTcp();
