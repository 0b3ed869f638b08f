"""What the system tests share for reading the program over the accessibility bus."""

# Deeper than any window of the program: a bridge that reports a child as its own ancestor
# ends the walk here instead of never.
MOST_DEPTH = 32


def walk(node, depth=0):
    """Every accessible object below node, node first."""
    yield node
    if depth >= MOST_DEPTH:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)
