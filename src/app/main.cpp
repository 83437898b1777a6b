// The varnok executable: the game takes no options.
int main()
{
    return 0;
}
