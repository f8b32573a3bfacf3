// The baseline of the command line's figure: a console program that only starts and exits.
int main() { return 0; }
