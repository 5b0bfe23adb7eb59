// A program that only links: its libraries are linked in whole, so every
// symbol they use must come from the libraries they name as their own.
int main() {
    return 0;
}
