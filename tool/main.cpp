// Placeholder until the main window exists.
int main() { return 0; }
