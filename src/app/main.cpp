// The windowing library's main wrapper: hands over to SDL_main.
int SDL_main(int argc, char** argv);

int main(int argc, char** argv) { return SDL_main(argc, argv); }
