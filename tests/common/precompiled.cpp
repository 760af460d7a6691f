// Compiles the precompiled header every test program shares (cmake/KorvaTesting.cmake).
