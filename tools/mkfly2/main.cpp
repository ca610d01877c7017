// Placeholder until the generator is built.
int main() { return 1; }
