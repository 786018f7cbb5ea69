#pragma once
// Start-up of the program.
#include <functional>

// Runs Inicializar and then shows the start window (through the function the program
// registered with SetMostrarEntrada) without waiting. When the database cannot be used the
// program ends with code 1 once its event loop starts, and Main returns false; without a
// registered start window it ends with code 0 after the start-up.
bool Main();
// Opens the database, checks that it is the valuation database (otherwise one message in
// Spanish and Basque, and false: nothing else runs), reads the settings, sets the language
// offset and the date converter's language, makes typology 1 current and empties the nine
// typology records.
bool Inicializar();
// Opens the connection to the database.
void AbrirConexion();

// The start window is shown through this function, set by the program (core has no windows).
void SetMostrarEntrada(std::function<void()> mostrar);
// How the program is ended with a code; by default QCoreApplication::exit once the event
// loop runs. Tests replace it; an empty function restores the default.
void SetTerminarPrograma(std::function<void(int)> terminar);
