// Placeholder until the command line is built.
int main() { return 1; }
