#pragma once

// The three waits of a send. Tests shorten them; nothing else about them changes.
struct Tiempos {
    int conexionMs = 10000;  // connecting to a gateway or the proxy
    int respuestaMs = 30000; // the server's answer and close
    int reintentoMs = 20000; // from the start of one attempt to the next
};

Tiempos &tiempos();
