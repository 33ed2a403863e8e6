// Filled in with the main window's locations handlers.
