// Nothing of its own: the link check links every object of one folder's
// library into a library of its own, against only the folders it declares.
